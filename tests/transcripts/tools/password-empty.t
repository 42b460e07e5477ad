# A negative length gives an empty password.
--- stdin
v
-1
--- stdout


Cosa vuoi fare?

Path: 
Inserire la lunghezza della password: 
Elaborando...

La password generata: 


Cosa vuoi fare?

Path: 
--- platform
--- exit 0
