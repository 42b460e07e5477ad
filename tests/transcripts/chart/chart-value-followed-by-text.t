# A number with anything after it on its line (a blank, letters, another
# number) is dropped with "Errore riprova", so nothing is stored and -1
# finds no data.
--- stdin
5
t
x
y
7 
7x
7 8
-1
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
Errore riprova

Inerisci il dato numerico (o '-1' per finire l'inserimento) :
Errore: devi inserire almeno un dato


Cosa vuoi fare?

Path: 
--- exit 0
