# A sex other than M or F is asked again; after the letter one character
# is discarded and the rest of the line is the municipality.
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
x
   F Roma
--- stdout


Cosa vuoi fare?

Path: 
Cognome: 
Nome: 
Inserire la data di nascita nel formato: gg/mm/aaaa

Giorno di nascita(gg): 
Mese di nascita (mm): 
Anno di nascita (aaaa): 
Sesso (M/F): ERRORE: Inserire solo il carattere 'M' o 'F'.

Sesso (M/F): 
Comune di nascita: 

Codice fiscale: NREGUO90E45H501T



Cosa vuoi fare?

Path: 
--- platform
--- exit 0
