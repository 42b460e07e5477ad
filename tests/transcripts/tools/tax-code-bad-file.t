# A line without its TAB makes the file unusable.
--- given risorsa.cf.txt
ROMA<TAB>H501
MILANO F205
--- stdin
f
--- stdout


Cosa vuoi fare?

Path: 

Errore caricare risorse


Cosa vuoi fare?

Path: 
--- platform
--- exit 0
