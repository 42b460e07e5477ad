# Months 13 and 0 are refused; December is T.
--- given risorsa.cf.txt
ROMA<TAB>H501
MILANO<TAB>F205
L''AQUILA<TAB>A345
FORLI'<TAB>D704
CASTRO<TAB>C337
CASTRO<TAB>M261
--- stdin
f
Verdi
Luca
5
13
0
12
1999
m
Roma
--- stdout


Cosa vuoi fare?

Path: 
Cognome: 
Nome: 
Inserire la data di nascita nel formato: gg/mm/aaaa

Giorno di nascita(gg): 
Mese di nascita (mm): 
ERRORE: Mese di nascita non valido.

Mese di nascita (mm): 
ERRORE: Mese di nascita non valido.

Mese di nascita (mm): 
Anno di nascita (aaaa): 
Sesso (M/F): 
Comune di nascita: 

Codice fiscale: VRDLCU99T05H501R



Cosa vuoi fare?

Path: 
--- platform
--- exit 0
