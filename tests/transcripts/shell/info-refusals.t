# Refused answers get two line breaks before the refusal and no probe.
--- option probe=0
--- stdin
i
2

i
2
12
i
2
 
--- stdout


Cosa vuoi fare?

Path: 
Impostazioni


Comandi:

Tema=1

Info=2


Path: 
Info:

Privacy Policy = 1
Tearm and Conditions = 2
Info sul programma = 3

Path: 

Funzione non valida.Riprova



Cosa vuoi fare?

Path: 
Impostazioni


Comandi:

Tema=1

Info=2


Path: 
Info:

Privacy Policy = 1
Tearm and Conditions = 2
Info sul programma = 3

Path: 

Funzione non valida.Riprova



Cosa vuoi fare?

Path: 
Impostazioni


Comandi:

Tema=1

Info=2


Path: 
Info:

Privacy Policy = 1
Tearm and Conditions = 2
Info sul programma = 3

Path: 

Funzione non valida.Riprova



Cosa vuoi fare?

Path: 
--- platform
--- exit 0
