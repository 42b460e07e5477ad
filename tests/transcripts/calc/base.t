--- token MENU noeol
Scegli un'opzione:
1. Converti da base 10 a un'altra base
2. Converti da un'altra base a base 10
0. Esci


Path: 
=== 'c' converts either way until 0 is chosen; a bad base, digit, size or choice gets its message.
--- dialogue
<PROMPT>{c}

<MENU>{1 -255 16}
Inserisci il numero da convertire: Inserisci la base di destinazione: Il risultato: -FF

<MENU>{2 -Zz 36}
Inserisci il numero da convertire: Inserisci la base di partenza: Il risultato: -1295

<MENU>{1 10 1}
Inserisci il numero da convertire: Inserisci la base di destinazione: Base non valida

<MENU>{2 12 2}
Inserisci il numero da convertire: Inserisci la base di partenza: Cifra non valida

<MENU>{2 2147483648 10}
Inserisci il numero da convertire: Inserisci la base di partenza: Numero troppo grande

<MENU>{3}
Scelta non valida
<MENU>{0}
<PROMPT>
