# 'c' option 2: digits of either case, an optional sign; the number is a
# word, so "10 10" gives the number 10 and the base 10.
--- stdin
c
2
1010
2
2
ff
16
2
-Z
36
2
10 10
0
--- stdout


Cosa vuoi fare?

Path: 
Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: Inserisci il numero da convertire: Inserisci la base di partenza: Il risultato: 10

Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: Inserisci il numero da convertire: Inserisci la base di partenza: Il risultato: 255

Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: Inserisci il numero da convertire: Inserisci la base di partenza: Il risultato: -35

Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: Inserisci il numero da convertire: Inserisci la base di partenza: Il risultato: 10

Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: 

Cosa vuoi fare?

Path: 
--- platform
--- exit 0
