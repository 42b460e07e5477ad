# Without a file in the working directory the table installed with the
# program is used: Enrico Fermi (Roma), Maria Montessori (Chiaravalle),
# Giuseppe Verdi (Busseto), Rita Levi-Montalcini (Torino).
--- option datadir=../../../data
--- stdin
f
Fermi
Enrico
29
9
1901
M
Roma
f
Montessori
Maria
31
8
1870
F
Chiaravalle
f
Verdi
Giuseppe
10
10
1813
M
Busseto
f
Levi-Montalcini
Rita
22
4
1909
F
Torino
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

Codice fiscale: FRMNRC01P29H501P



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

Codice fiscale: MNTMRA70M71C615I



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

Codice fiscale: VRDGPP13R10B293P



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

Codice fiscale: LVMRTI09D62L219S



Cosa vuoi fare?

Path: 
--- platform
--- exit 0
