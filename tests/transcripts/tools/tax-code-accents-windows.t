# The same names typed in Windows-1252 give the same code.
--- given risorsa.cf.txt
ROMA<TAB>H501
MILANO<TAB>F205
L''AQUILA<TAB>A345
FORLI'<TAB>D704
CASTRO<TAB>C337
CASTRO<TAB>M261
--- stdin
f
R<HEX:c8>
NICOL<HEX:d2>
7
3
1985
M
forl<HEX:ec>
--- stdout


Cosa vuoi fare?

Path: 
Cognome: 
Nome: 
Inserire la data di nascita nel formato: gg/mm/aaaa

Giorno di nascita(gg): 
Mese di nascita (mm): 
Anno di nascita (aaaa): 
Sesso (M/F): 
Comune di nascita: 

Codice fiscale: REXNCL85C07D704L



Cosa vuoi fare?

Path: 
--- platform
--- exit 0
