# A file in the working directory takes precedence over the installed one.
--- option datadir=../../../data
--- given risorsa.cf.txt
ROMA<TAB>Z999
--- stdin
f
Fermi
Enrico
29
9
1901
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
Anno di nascita (aaaa): 
Sesso (M/F): 
Comune di nascita: 

Codice fiscale: FRMNRC01P29Z999T



Cosa vuoi fare?

Path: 
--- platform
--- exit 0
