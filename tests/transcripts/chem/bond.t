--- token ELEMENT noeol

Inserisci l'elemento chimico (la sigla che trovi sulla tavola periodica): 

Path: 
=== '4' names the bond class of two symbols, each a whole line; an unknown first symbol wins over an unknown second one.
--- dialogue
<PROMPT>{4}
<ELEMENT>{H}

Path: {Cl}

Il covalente: Polarizzato
<PROMPT>{4}
<ELEMENT>{Fe}

Path: {Xx}

Elemento non trovato
<PROMPT>{4}
<ELEMENT>{O}

Path: {Fe}

Errore: uno o piu' elementi non trovati 
<PROMPT>
