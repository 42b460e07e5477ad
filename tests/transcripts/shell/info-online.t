# Online, each choice opens its page with nothing written; choice 4 probes
# and is then refused after a single line break.
--- option probe=0
--- stdin
i
2
1
i
2
2
i
2
3
i
2
4
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
ping -n 1 www.example.com > NUL
start https://www.tavrik-terminal.it/privacy.md
ping -n 1 www.example.com > NUL
start https://www.tavrik-terminal.it/terms%20and%20conditions.md
ping -n 1 www.example.com > NUL
start https://www.tavrik-terminal.it/programsfile/info
ping -n 1 www.example.com > NUL
--- exit 0
