# Names typed in UTF-8: R<e grave> gives REX, Nicol<o grave> NCL, and
# Forl<i grave> is found as FORLI'.
--- given risorsa.cf.txt
ROMA<TAB>H501
MILANO<TAB>F205
L''AQUILA<TAB>A345
FORLI'<TAB>D704
CASTRO<TAB>C337
CASTRO<TAB>M261
--- stdin
f
R<HEX:c3><HEX:a8>
Nicol<HEX:c3><HEX:b2>
7
3
1985
M
Forl<HEX:c3><HEX:ac>
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
