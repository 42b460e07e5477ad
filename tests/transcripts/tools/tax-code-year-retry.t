# A negative year is refused and asked again.
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
-1990
1990
M
Roma
--- stdout


Cosa vuoi fare?

Path: 
Cognome: 
Nome: 
Inserire la data di nascita nel formato: gg/mm/aaaa

Giorno di nascita(gg): 
Mese di nascita (mm): 
Anno di nascita (aaaa): ERRORE: Anno di nascita non valido.

Anno di nascita (aaaa): 
Sesso (M/F): 
Comune di nascita: 

Codice fiscale: NREGUO90E05H501P



Cosa vuoi fare?

Path: 
--- platform
--- exit 0
