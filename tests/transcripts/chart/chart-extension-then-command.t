# The extension is one word: after it one character (the blank) is
# discarded and the rest of the line, "h", is the next command line.
--- stdin
5
t
x
y
1
uno
-1
no
.png h
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
Per eseguire una comando ti basta seguire i seguenti passaggi:
1. srivi solo la lettera oppure numero del comando
2. inserisci i valori rischiesti o segui la procedura.

Se hai problemi visita il nostro sito oppure digita il comando 'helpsite'


Cosa vuoi fare?

Path: 
--- expect function_history.txt
5
h
--- exit 0
