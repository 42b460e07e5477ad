# When the file cannot be written (here the working directory is gone), the
# failure message replaces "Grafico salvato".
--- option workdir=removed
--- stdin
5
t
x
y
1
uno
-1
y
.pdf
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
Errore: impossibile salvare il grafico.


Cosa vuoi fare?

Path: 
--- exit 0
