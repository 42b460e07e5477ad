# ".PNG" and "png" are not extensions of the list: "Errore", no file, one
# character discarded, and the prompt loop waits for a new command line.
--- option now=1700000000
--- stdin
5
t
x
y
3
tre
-1
y
.PNG
5
t
x
y
3
tre
-1
no
png
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
Errore


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
Errore


Cosa vuoi fare?

Path: 
--- expect function_history.txt
5
5
--- absent grafico_OiSmbIR6g6a0.png
--- absent grafico_OiSmbIR6g6a0.PNG
--- absent grafico_OiSmbIR6g6apng
--- exit 0
