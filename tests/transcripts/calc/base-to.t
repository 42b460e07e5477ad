# 'c' option 1: digits above 9 are letters, 0 gives "0", negatives keep
# their sign; the menu comes back after each result until 0.
--- stdin
c
1
10
2
1
255
16
1
-255
16
1
0
7
1
-2147483648
2
0
--- stdout


Cosa vuoi fare?

Path: 
Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: Inserisci il numero da convertire: Inserisci la base di destinazione: Il risultato: 1010

Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: Inserisci il numero da convertire: Inserisci la base di destinazione: Il risultato: FF

Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: Inserisci il numero da convertire: Inserisci la base di destinazione: Il risultato: -FF

Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: Inserisci il numero da convertire: Inserisci la base di destinazione: Il risultato: 0

Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: Inserisci il numero da convertire: Inserisci la base di destinazione: Il risultato: -10000000000000000000000000000000

Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: 

Cosa vuoi fare?

Path: 
--- platform
--- exit 0
