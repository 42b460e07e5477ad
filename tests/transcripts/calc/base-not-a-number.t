# Non-numbers at the menu and at the number are refused and asked again.
--- stdin
c
uno
1
dieci
10
16
0
--- stdout


Cosa vuoi fare?

Path: 
Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: 
Errore riprova
Path: Inserisci il numero da convertire: 
Errore riprova
Inserisci il numero da convertire: Inserisci la base di destinazione: Il risultato: A

Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: 

Cosa vuoi fare?

Path: 
--- platform
--- exit 0
