# Days 0, 32 and -1 are refused, a word is asked again by the number rule;
# 31 February is accepted. A woman born on the 31st gets 71.
--- given risorsa.cf.txt
ROMA<TAB>H501
MILANO<TAB>F205
L''AQUILA<TAB>A345
FORLI'<TAB>D704
CASTRO<TAB>C337
CASTRO<TAB>M261
--- stdin
f
Bianchi
Anna
0
32
-1
trenta
31
2
2001
f
Milano
--- stdout


Cosa vuoi fare?

Path: 
Cognome: 
Nome: 
Inserire la data di nascita nel formato: gg/mm/aaaa

Giorno di nascita(gg): ERRORE: Giorno di nascita non valido.

Giorno di nascita(gg): ERRORE: Giorno di nascita non valido.

Giorno di nascita(gg): ERRORE: Giorno di nascita non valido.

Giorno di nascita(gg): 
Errore riprova
Giorno di nascita(gg): 
Mese di nascita (mm): 
Anno di nascita (aaaa): 
Sesso (M/F): 
Comune di nascita: 

Codice fiscale: BNCNNA01B71F205F



Cosa vuoi fare?

Path: 
--- platform
--- exit 0
