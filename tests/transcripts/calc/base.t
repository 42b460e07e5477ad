=== 'c': a base outside 2..36, a digit outside the base and a value beyond int each get a message and the menu again; an unknown choice too.
--- dialogue
<PROMPT>{c}

Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: {1}
Inserisci il numero da convertire: {10}
Inserisci la base di destinazione: {1}
Base non valida

Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: {1}
Inserisci il numero da convertire: {10}
Inserisci la base di destinazione: {37}
Base non valida

Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: {2}
Inserisci il numero da convertire: {12}
Inserisci la base di partenza: {2}
Cifra non valida

Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: {2}
Inserisci il numero da convertire: {2147483648}
Inserisci la base di partenza: {10}
Numero troppo grande

Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: {2}
Inserisci il numero da convertire: {10}
Inserisci la base di partenza: {0}
Base non valida

Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: {3}
Scelta non valida
Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: {-1}
Scelta non valida
Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: {0}
<PROMPT>
=== 'c' with a first choice of 0 shows the menu once and hands back.
--- dialogue
<PROMPT>{c}

Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: {0}
<PROMPT>
=== 'c' option 2: digits of either case, an optional sign; the number is a word, so "10 10" gives the number 10 and the base 10.
--- dialogue
<PROMPT>{c}

Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: {2}
Inserisci il numero da convertire: {1010}
Inserisci la base di partenza: {2}
Il risultato: 10

Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: {2}
Inserisci il numero da convertire: {ff}
Inserisci la base di partenza: {16}
Il risultato: 255

Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: {2}
Inserisci il numero da convertire: {-Z}
Inserisci la base di partenza: {36}
Il risultato: -35

Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: {2}
Inserisci il numero da convertire: {10 10}
Inserisci la base di partenza: Il risultato: 10

Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: {0}
<PROMPT>
=== Non-numbers at the menu and at the number are refused and asked again.
--- dialogue
<PROMPT>{c}

Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: {uno}

Errore riprova
Path: {1}
Inserisci il numero da convertire: {dieci}

Errore riprova
Inserisci il numero da convertire: {10}
Inserisci la base di destinazione: {16}
Il risultato: A

Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: {0}
<PROMPT>
=== 'c' option 1: digits above 9 are letters, 0 gives "0", negatives keep their sign; the menu comes back after each result until 0.
--- dialogue
<PROMPT>{c}

Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: {1}
Inserisci il numero da convertire: {10}
Inserisci la base di destinazione: {2}
Il risultato: 1010

Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: {1}
Inserisci il numero da convertire: {255}
Inserisci la base di destinazione: {16}
Il risultato: FF

Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: {1}
Inserisci il numero da convertire: {-255}
Inserisci la base di destinazione: {16}
Il risultato: -FF

Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: {1}
Inserisci il numero da convertire: {0}
Inserisci la base di destinazione: {7}
Il risultato: 0

Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: {1}
Inserisci il numero da convertire: {-2147483648}
Inserisci la base di destinazione: {2}
Il risultato: -10000000000000000000000000000000

Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: {0}
<PROMPT>
