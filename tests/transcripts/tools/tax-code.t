=== Names are whole lines. Each answer out of range is asked again: days 0 and 32, months 13 and 0, years -1 and 10000 (0 is accepted); a day that does not exist (31 February, 29 February 1900) is asked again from the day. The sex is the whole line: anything but M, F, "maschio" or "femmina" (any case, blanks around) is refused once, and nothing of it reaches the next question. Blanks around the municipality are ignored; of two lines for CASTRO the later one counts. A woman born on the 31st gets 71.
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

Mese di nascita (mm): {2}

Anno di nascita (aaaa): {1980}
ERRORE: Data di nascita inesistente.

Giorno di nascita(gg): {29}

Mese di nascita (mm): {13}

ERRORE: Mese di nascita non valido.

Mese di nascita (mm): {0}

ERRORE: Mese di nascita non valido.

Mese di nascita (mm): {2}

Anno di nascita (aaaa): {1900}
ERRORE: Data di nascita inesistente.

Giorno di nascita(gg): {31}

Mese di nascita (mm): {12}

Anno di nascita (aaaa): {-1}
ERRORE: Anno di nascita non valido.

Anno di nascita (aaaa): {10000}
ERRORE: Anno di nascita non valido.

Anno di nascita (aaaa): {0}

Sesso (M/F): {x}
ERRORE: Inserire solo il carattere 'M' o 'F'.

Sesso (M/F): {F Atlantide}
ERRORE: Inserire solo il carattere 'M' o 'F'.

Sesso (M/F): {}
ERRORE: Inserire solo il carattere 'M' o 'F'.

Sesso (M/F): {  Femmina }

Comune di nascita: {Atlantide}
ERRORE: Comune non trovato.

Comune di nascita: {  castro }


Codice fiscale: DLCNMR00T71M261M

<PROMPT>
=== A place that did not exist on the birth day is named and the question comes again; a name of two places valid on that day lists them by province and asks again, and the name with its province gives the place.
--- given risorsa.cf.txt
TIONE<TAB>L174<TAB>1861-03-17<TAB>1928-01-01<TAB>TN
TIONE<TAB>L173<TAB>1861-03-17<TAB>9999-12-31<TAB>AQ
VALSAMOGGIA<TAB>M320<TAB>2014-01-01<TAB>9999-12-31<TAB>BO
--- dialogue
<PROMPT>{f}

Cognome: {Rossi}

Nome: {Mario}

Inserire la data di nascita nel formato: gg/mm/aaaa

Giorno di nascita(gg): {1}

Mese di nascita (mm): {1}

Anno di nascita (aaaa): {1920}

Sesso (M/F): {M}

Comune di nascita: {Valsamoggia}
ERRORE: VALSAMOGGIA non esisteva alla data di nascita.

Comune di nascita: {Tione}
ERRORE: Più comuni hanno questo nome: TIONE (AQ), TIONE (TN).
Scrivi il nome seguito dalla sigla della provincia tra parentesi.

Comune di nascita: {tione (tn)}


Codice fiscale: RSSMRA20A01L174N

<PROMPT>
=== No municipality file here and none installed: the message, and no question is asked.
--- dialogue
<PROMPT>{f}


Errore caricare risorse
<PROMPT>
