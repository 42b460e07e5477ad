# An unknown municipality and one with a trailing space are not found;
# lower case is.
--- given risorsa.cf.txt
ROMA<TAB>H501
MILANO<TAB>F205
L''AQUILA<TAB>A345
FORLI'<TAB>D704
CASTRO<TAB>C337
CASTRO<TAB>M261
--- stdin
f
Neri
Ugo
5
5
1990
M
Atlantide
Roma 
roma
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
Comune di nascita: ERRORE: Comune non trovato.

Comune di nascita: ERRORE: Comune non trovato.

Comune di nascita: 

Codice fiscale: NREGUO90E05H501P



Cosa vuoi fare?

Path: 
--- platform
--- exit 0
