# 'v': the dots, then 16 characters drawn from the platform's random source.
--- stdin
v
16
--- stdout


Cosa vuoi fare?

Path: 
Inserire la lunghezza della password: 
Elaborando...

La password generata: Q*v5Kz(M*cvbwPJw


Cosa vuoi fare?

Path: 
--- platform
--- exit 0
