--- token FORMULA noeol

Inserisci la formula chimica: 

Path: 
=== 'o' prints the molar mass of a formula, or names the symbol that stopped the reading.
--- dialogue
<PROMPT>{o}
<FORMULA>{H2O}

La massa molare di H2O e' 18.0058
<PROMPT>{o}
<FORMULA>{Co2}

Errore: l'atomo Co non e' supportato
<PROMPT>{o}
<FORMULA>{NaCl2147483648}

Errore: indice troppo grande per l'atomo Cl
<PROMPT>
