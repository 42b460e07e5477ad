# A file that already has the second's name keeps its bytes: the chart
# takes the name of the next seed instead.
--- option now=1700000000
--- given grafico_OiSmbIR6g6a0.png
non toccare
--- stdin
5
t
x
y
1
uno
-1
no
.png
--- stdout


Cosa vuoi fare?

Path: 
Inserisci il titolo del grafico: 
Inserisci il titolo dell'asse x:
Inserisci il titolo dell'asse y:
Inerisci il dato numerico (o '-1' per finire l'inserimento) :
Inserisci l'etichetta del dato :
Inerisci il dato numerico (o '-1' per finire l'inserimento) :
Inserire la leggenda (y o no):
Supportate:
.png
.jpg
.pdf
.pptx

Inerisci l'esetnsione del file del grafico :
Grafico salvato


Cosa vuoi fare?

Path: 
--- expect grafico_OiSmbIR6g6a0.png
non toccare
--- exit 0
