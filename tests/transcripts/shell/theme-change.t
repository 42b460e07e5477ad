# Theme 1, 'blu' and 'giallo': runs color 9e and stores exactly it.
--- stdin
i
1
1
blu
giallo
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
--- platform
color 9e
--- expect color_data.txt noeol
color 9e
--- exit 0
