# Choice 3 is a wrong function; 12, a blank and an empty answer are refused.
--- stdin
i
3
i
12
i
 
i

--- stdout


Cosa vuoi fare?

Path: 
Impostazioni


Comandi:

Tema=1

Info=2


Path: 
Funzione errata


Cosa vuoi fare?

Path: 
Impostazioni


Comandi:

Tema=1

Info=2


Path: 
Funzione non valida.Riprova



Cosa vuoi fare?

Path: 
Impostazioni


Comandi:

Tema=1

Info=2


Path: 
Funzione non valida.Riprova



Cosa vuoi fare?

Path: 
Impostazioni


Comandi:

Tema=1

Info=2


Path: 
Funzione non valida.Riprova



Cosa vuoi fare?

Path: 
--- platform
--- exit 0
