# White background with red text is allowed; red on white is refused
# and leaves the file alone.
--- stdin
i
1
1
bianco
rosso
i
1
1
rosso
bianco
--- stdout


Cosa vuoi fare?

Path: 
Impostazioni


Comandi:

Tema=1

Info=2


Path: 
Vuoi cambiare tema(1) o resettarlo(0)?
Path: 
Inserisci il nome del colore del background
Path: 
Ora quello del carattere
Path: 


Cosa vuoi fare?

Path: 
Impostazioni


Comandi:

Tema=1

Info=2


Path: 
Vuoi cambiare tema(1) o resettarlo(0)?
Path: 
Inserisci il nome del colore del background
Path: 
Ora quello del carattere
Path: 

Errore nella combinazione.



Cosa vuoi fare?

Path: 
--- platform
color fc
--- expect color_data.txt noeol
color fc
--- exit 0
