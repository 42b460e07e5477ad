# 'o' with Co2: cobalt is not in the table; the message names the symbol
# without its count and no result line follows.
--- stdin
o
Co2
--- stdout


Cosa vuoi fare?

Path: 
Inserisci la formula chimica: 

Path: 
Errore: l'atomo Co non e' supportato


Cosa vuoi fare?

Path: 
--- exit 0
