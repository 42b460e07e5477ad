=== '4' with "Na " (trailing blank): lines are not trimmed, so the symbol is not found; the next line is not read as a command.
--- dialogue
<PROMPT>{4}

Inserisci l'elemento chimico (la sigla che trovi sulla tavola periodica): 

Path: {Na }

Path: {Cl}

Elemento non trovato
<PROMPT>{x}

Ok,sto uscendo...

--- platform
pause
--- expect function_history.txt
4
x
=== '4' with an empty first line: nothing is skipped, so the empty text is the first symbol and is not found.
--- dialogue
<PROMPT>{4}

Inserisci l'elemento chimico (la sigla che trovi sulla tavola periodica): 

Path: {}

Path: {Cl}

Elemento non trovato
<PROMPT>
=== Input ends after the first symbol: a line break and exit status 0.
--- dialogue
<PROMPT>{4}

Inserisci l'elemento chimico (la sigla che trovi sulla tavola periodica): 

Path: {H}

Path: 
=== '4' with Fe first: iron has no electronegativity here, and this message wins although the second symbol is unknown too.
--- dialogue
<PROMPT>{4}

Inserisci l'elemento chimico (la sigla che trovi sulla tavola periodica): 

Path: {Fe}

Path: {Xx}

Elemento non trovato
<PROMPT>
=== '4' with Na and Cl: ionic bond.
--- dialogue
<PROMPT>{4}

Inserisci l'elemento chimico (la sigla che trovi sulla tavola periodica): 

Path: {Na}

Path: {Cl}

Il covalente: Ionico
<PROMPT>
=== '4' with H and Cl: one question, an empty line, two prompts answered by whole lines, and the class.
--- dialogue
<PROMPT>{4}

Inserisci l'elemento chimico (la sigla che trovi sulla tavola periodica): 

Path: {H}

Path: {Cl}

Il covalente: Polarizzato
<PROMPT>
--- expect function_history.txt
4
=== '4' with N and O: the difference is just below 0.4 in double arithmetic.
--- dialogue
<PROMPT>{4}

Inserisci l'elemento chimico (la sigla che trovi sulla tavola periodica): 

Path: {N}

Path: {O}

Il covalente: Puro
<PROMPT>
=== '4' with O then Fe: the first symbol is found, the second is not; the message ends in a blank.
--- dialogue
<PROMPT>{4}

Inserisci l'elemento chimico (la sigla che trovi sulla tavola periodica): 

Path: {O}

Path: {Fe}

Errore: uno o piu' elementi non trovati 
<PROMPT>
