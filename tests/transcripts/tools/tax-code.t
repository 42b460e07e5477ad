=== 'f' with a municipality file in the working directory.
--- given risorsa.cf.txt
ROMA<TAB>H501
--- dialogue
<PROMPT>{f}

Cognome: {Rossi}

Nome: {Mario}

Inserire la data di nascita nel formato: gg/mm/aaaa

Giorno di nascita(gg): {1}

Mese di nascita (mm): {1}

Anno di nascita (aaaa): {1980}

Sesso (M/F): {M}

Comune di nascita: {Roma}


Codice fiscale: RSSMRA80A01H501U

<PROMPT>
=== Names are whole lines. Each answer out of range is asked again: days 0 and 32, months 13 and 0, a negative year (0 is accepted), a sex other than M or F, an unknown municipality. After the sex one character is discarded and the rest of its line is the municipality. A woman born on the 31st gets 71; of two lines for CASTRO the later one counts.
--- given risorsa.cf.txt
CASTRO<TAB>C337
ROMA<TAB>H501
CASTRO<TAB>M261
--- dialogue
<PROMPT>{f}

Cognome: {De Luca}

Nome: {Anna Maria}

Inserire la data di nascita nel formato: gg/mm/aaaa

Giorno di nascita(gg): {0}
ERRORE: Giorno di nascita non valido.

Giorno di nascita(gg): {32}
ERRORE: Giorno di nascita non valido.

Giorno di nascita(gg): {31}

Mese di nascita (mm): {13}

ERRORE: Mese di nascita non valido.

Mese di nascita (mm): {0}

ERRORE: Mese di nascita non valido.

Mese di nascita (mm): {12}

Anno di nascita (aaaa): {-1}
ERRORE: Anno di nascita non valido.

Anno di nascita (aaaa): {0}

Sesso (M/F): {x}
ERRORE: Inserire solo il carattere 'M' o 'F'.

Sesso (M/F): {F Atlantide}

Comune di nascita: ERRORE: Comune non trovato.

Comune di nascita: {Castro}


Codice fiscale: DLCNMR00T71M261M

<PROMPT>
=== No municipality file here and none installed: the message, and no question is asked.
--- dialogue
<PROMPT>{f}


Errore caricare risorse
<PROMPT>
=== Without a file in the working directory the table installed with the program is used: Rita Levi-Montalcini, born in Torino.
--- option datadir=../../../data
--- dialogue
<PROMPT>{f}

Cognome: {Levi-Montalcini}

Nome: {Rita}

Inserire la data di nascita nel formato: gg/mm/aaaa

Giorno di nascita(gg): {22}

Mese di nascita (mm): {4}

Anno di nascita (aaaa): {1909}

Sesso (M/F): {F}

Comune di nascita: {Torino}


Codice fiscale: LVMRTI09D62L219S

<PROMPT>
