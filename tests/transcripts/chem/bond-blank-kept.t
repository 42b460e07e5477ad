# '4' with "Na " (trailing blank): lines are not trimmed, so the symbol is not
# found; the next line is not read as a command.
--- stdin
4
Na<HEX:20>
Cl
x
--- stdout


Cosa vuoi fare?

Path: 
Inserisci l'elemento chimico (la sigla che trovi sulla tavola periodica): 

Path: 
Path: 
Elemento non trovato


Cosa vuoi fare?

Path: 
Ok,sto uscendo...

--- platform
pause
--- expect function_history.txt
4
x
--- exit 0
