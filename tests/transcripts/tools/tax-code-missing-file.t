# No municipality file here and none installed: the message, and no
# question is asked.
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
