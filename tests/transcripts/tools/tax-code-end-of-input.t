# Input ending in the middle of the dialogue ends the program.
--- given risorsa.cf.txt
ROMA<TAB>H501
MILANO<TAB>F205
L''AQUILA<TAB>A345
FORLI'<TAB>D704
CASTRO<TAB>C337
CASTRO<TAB>M261
--- stdin
f
Rossi
Mario
1
--- stdout


Cosa vuoi fare?

Path: 
Cognome: 
Nome: 
Inserire la data di nascita nel formato: gg/mm/aaaa

Giorno di nascita(gg): 
Mese di nascita (mm): 
--- platform
--- exit 0
