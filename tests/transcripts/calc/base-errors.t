# 'c': a base outside 2..36, a digit outside the base and a value beyond int
# each get a message and the menu again; an unknown choice too.
--- stdin
c
1
10
1
1
10
37
2
12
2
2
2147483648
10
2
10
0
3
-1
0
--- stdout


Cosa vuoi fare?

Path: 
Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: Inserisci il numero da convertire: Inserisci la base di destinazione: Base non valida

Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: Inserisci il numero da convertire: Inserisci la base di destinazione: Base non valida

Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: Inserisci il numero da convertire: Inserisci la base di partenza: Cifra non valida

Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: Inserisci il numero da convertire: Inserisci la base di partenza: Numero troppo grande

Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: Inserisci il numero da convertire: Inserisci la base di partenza: Base non valida

Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: Scelta non valida
Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: Scelta non valida
Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: 

Cosa vuoi fare?

Path: 
--- platform
--- exit 0
