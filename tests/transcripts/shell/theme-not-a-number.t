# A non-number at the theme question is refused and asked again.
--- stdin
i
1
abc
1
verde
blu
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
Errore riprova
Path: 
Inserisci il nome del colore del background
Path: 
Ora quello del carattere
Path: 


Cosa vuoi fare?

Path: 
--- platform
color 29
--- expect color_data.txt noeol
color 29
--- exit 0
