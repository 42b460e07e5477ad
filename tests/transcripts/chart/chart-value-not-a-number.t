# A value that is not a number, or is out of range, gives "Errore riprova"
# and the same question again; the rest of its line is dropped.
--- stdin
5
t
x
y
abc 5
1e999
12
dodici
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
Errore riprova

Inerisci il dato numerico (o '-1' per finire l'inserimento) :
Errore riprova

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
--- exit 0
