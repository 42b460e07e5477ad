# Surname and first name of any length are whole lines: nothing spills into
# the next answer.
--- given risorsa.cf.txt
ROMA<TAB>H501
MILANO<TAB>F205
L''AQUILA<TAB>A345
FORLI'<TAB>D704
CASTRO<TAB>C337
CASTRO<TAB>M261
--- stdin
f
Della Valle Bianchi Rossi Verdi Neri Gialli Marroni Celesti
Maria Giovanna Francesca Antonietta Carla Luisa Beatrice
30
11
1950
F
L'Aquila
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

Codice fiscale: DLLMGV50S70A345X



Cosa vuoi fare?

Path: 
--- platform
--- exit 0
