# Capitals, blanks around a name and black are refused; nothing is run
# or written.
--- stdin
i
1
1
Blu
giallo
i
1
1
blu 
giallo
i
1
1
nero
rosso
i
1
1
rosso
nero
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

Errore nella combinazione.



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
--- absent color_data.txt
--- exit 0
