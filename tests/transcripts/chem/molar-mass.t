=== 'o' with H2O: question, empty line, prompt; the result line, then the line end after the formula is discarded and the prompt block follows. Only the command line goes to the history, not the formula.
--- dialogue
<PROMPT>{o}

Inserisci la formula chimica: 

Path: {H2O}

La massa molare di H2O e' 18.0058
<PROMPT>
--- expect function_history.txt
o
=== 'o' with a count above 2147483647: the count is refused with the symbol's name and no result line; the command ends as after an unknown atom.
--- dialogue
<PROMPT>{o}

Inserisci la formula chimica: 

Path: {NaCl2147483648}

Errore: indice troppo grande per l'atomo Cl
<PROMPT>
=== Input ends while the formula is awaited: a line break and exit status 0.
--- dialogue
<PROMPT>{o}

Inserisci la formula chimica: 

Path: 
=== 'o' with the largest count that fits: it becomes a float before the product, and the result prints in exponent notation.
--- dialogue
<PROMPT>{o}

Inserisci la formula chimica: 

Path: {H2147483647}

La massa molare di H2147483647 e' 2.16445e+09
<PROMPT>
=== 'o' with Ca(OH)2: calcium is read, the parenthesis is refused by name and the partial total is not shown.
--- dialogue
<PROMPT>{o}

Inserisci la formula chimica: 

Path: {Ca(OH)2}

Errore: l'atomo ( non e' supportato
<PROMPT>
=== "H2 O" on the formula line: H2 alone is computed, the blank after it is discarded, and "O" reaches the prompt as the next command line, where it is recorded and refused (upper-case O is not a command).
--- dialogue
<PROMPT>{o}

Inserisci la formula chimica: 

Path: {H2 O}

La massa molare di H2 e' 2.0158
<PROMPT>

Funzione non valida.Riprova

<PROMPT>
--- expect function_history.txt
o
O
=== "H2 o" on the formula line: after H2, the "o" left in the input is read at the prompt and starts the molar mass command again at once, which then reads the next line's formula.
--- dialogue
<PROMPT>{o}

Inserisci la formula chimica: 

Path: {H2 o}

La massa molare di H2 e' 2.0158
<PROMPT>
Inserisci la formula chimica: 

Path: {NaCl}

La massa molare di NaCl e' 58.44
<PROMPT>
--- expect function_history.txt
o
o
=== 'o' with Co2: cobalt is not in the table; the message names the symbol without its count and no result line follows.
--- dialogue
<PROMPT>{o}

Inserisci la formula chimica: 

Path: {Co2}

Errore: l'atomo Co non e' supportato
<PROMPT>
=== The formula is a word: empty lines, blanks and tabs before it are skipped, and the result line shows the word exactly as read.
--- dialogue
<PROMPT>{o}

Inserisci la formula chimica: 

Path: {}
{  <TAB>C6H12O6}

La massa molare di C6H12O6 e' 180.095
<PROMPT>
