# Offline, every accepted choice, valid or not, gets the network error and
# no page is opened.
--- option probe=1
--- stdin
i
2
1
i
2
9
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

Errore di rete, collegati e riprova.



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

Errore di rete, collegati e riprova.



Cosa vuoi fare?

Path: 
--- platform
ping -n 1 www.example.com > NUL
ping -n 1 www.example.com > NUL
--- exit 0
