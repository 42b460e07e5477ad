=== 'f' with a small municipality file in the working directory.
--- given risorsa.cf.txt
ROMA<TAB>H501
MILANO<TAB>F205
L''AQUILA<TAB>A345
FORLI'<TAB>D704
CASTRO<TAB>C337
CASTRO<TAB>M261
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
=== The same names typed in Windows-1252 give the same code.
--- given risorsa.cf.txt
ROMA<TAB>H501
MILANO<TAB>F205
L''AQUILA<TAB>A345
FORLI'<TAB>D704
CASTRO<TAB>C337
CASTRO<TAB>M261
--- dialogue
<PROMPT>{f}

Cognome: {R<HEX:c8>}

Nome: {NICOL<HEX:d2>}

Inserire la data di nascita nel formato: gg/mm/aaaa

Giorno di nascita(gg): {7}

Mese di nascita (mm): {3}

Anno di nascita (aaaa): {1985}

Sesso (M/F): {M}

Comune di nascita: {forl<HEX:ec>}


Codice fiscale: REXNCL85C07D704L

<PROMPT>
=== Names typed in UTF-8: R<e grave> gives REX, Nicol<o grave> NCL, and Forl<i grave> is found as FORLI'.
--- given risorsa.cf.txt
ROMA<TAB>H501
MILANO<TAB>F205
L''AQUILA<TAB>A345
FORLI'<TAB>D704
CASTRO<TAB>C337
CASTRO<TAB>M261
--- dialogue
<PROMPT>{f}

Cognome: {Rè}

Nome: {Nicolò}

Inserire la data di nascita nel formato: gg/mm/aaaa

Giorno di nascita(gg): {7}

Mese di nascita (mm): {3}

Anno di nascita (aaaa): {1985}

Sesso (M/F): {M}

Comune di nascita: {Forlì}


Codice fiscale: REXNCL85C07D704L

<PROMPT>
=== A line without its TAB makes the file unusable.
--- given risorsa.cf.txt
ROMA<TAB>H501
MILANO F205
--- dialogue
<PROMPT>{f}


Errore caricare risorse
<PROMPT>
=== Days 0, 32 and -1 are refused, a word is asked again by the number rule; 31 February is accepted. A woman born on the 31st gets 71.
--- given risorsa.cf.txt
ROMA<TAB>H501
MILANO<TAB>F205
L''AQUILA<TAB>A345
FORLI'<TAB>D704
CASTRO<TAB>C337
CASTRO<TAB>M261
--- dialogue
<PROMPT>{f}

Cognome: {Bianchi}

Nome: {Anna}

Inserire la data di nascita nel formato: gg/mm/aaaa

Giorno di nascita(gg): {0}
ERRORE: Giorno di nascita non valido.

Giorno di nascita(gg): {32}
ERRORE: Giorno di nascita non valido.

Giorno di nascita(gg): {-1}
ERRORE: Giorno di nascita non valido.

Giorno di nascita(gg): {trenta}

Errore riprova
Giorno di nascita(gg): {31}

Mese di nascita (mm): {2}

Anno di nascita (aaaa): {2001}

Sesso (M/F): {f}

Comune di nascita: {Milano}


Codice fiscale: BNCNNA01B71F205F

<PROMPT>
=== Two lines for CASTRO: the later one's code is used.
--- given risorsa.cf.txt
ROMA<TAB>H501
MILANO<TAB>F205
L''AQUILA<TAB>A345
FORLI'<TAB>D704
CASTRO<TAB>C337
CASTRO<TAB>M261
--- dialogue
<PROMPT>{f}

Cognome: {De Luca}

Nome: {Anna Maria}

Inserire la data di nascita nel formato: gg/mm/aaaa

Giorno di nascita(gg): {9}

Mese di nascita (mm): {9}

Anno di nascita (aaaa): {2009}

Sesso (M/F): {F}

Comune di nascita: {Castro}


Codice fiscale: DLCNMR09P49M261C

<PROMPT>
=== Input ending in the middle of the dialogue ends the program.
--- given risorsa.cf.txt
ROMA<TAB>H501
MILANO<TAB>F205
L''AQUILA<TAB>A345
FORLI'<TAB>D704
CASTRO<TAB>C337
CASTRO<TAB>M261
--- dialogue
<PROMPT>{f}

Cognome: {Rossi}

Nome: {Mario}

Inserire la data di nascita nel formato: gg/mm/aaaa

Giorno di nascita(gg): {1}

Mese di nascita (mm): 
=== Surname and first name of any length are whole lines: nothing spills into the next answer.
--- given risorsa.cf.txt
ROMA<TAB>H501
MILANO<TAB>F205
L''AQUILA<TAB>A345
FORLI'<TAB>D704
CASTRO<TAB>C337
CASTRO<TAB>M261
--- dialogue
<PROMPT>{f}

Cognome: {Della Valle Bianchi Rossi Verdi Neri Gialli Marroni Celesti}

Nome: {Maria Giovanna Francesca Antonietta Carla Luisa Beatrice}

Inserire la data di nascita nel formato: gg/mm/aaaa

Giorno di nascita(gg): {30}

Mese di nascita (mm): {11}

Anno di nascita (aaaa): {1950}

Sesso (M/F): {F}

Comune di nascita: {L'Aquila}


Codice fiscale: DLLMGV50S70A345X

<PROMPT>
=== No municipality file here and none installed: the message, and no question is asked.
--- dialogue
<PROMPT>{f}


Errore caricare risorse
<PROMPT>
=== Months 13 and 0 are refused; December is T.
--- given risorsa.cf.txt
ROMA<TAB>H501
MILANO<TAB>F205
L''AQUILA<TAB>A345
FORLI'<TAB>D704
CASTRO<TAB>C337
CASTRO<TAB>M261
--- dialogue
<PROMPT>{f}

Cognome: {Verdi}

Nome: {Luca}

Inserire la data di nascita nel formato: gg/mm/aaaa

Giorno di nascita(gg): {5}

Mese di nascita (mm): {13}

ERRORE: Mese di nascita non valido.

Mese di nascita (mm): {0}

ERRORE: Mese di nascita non valido.

Mese di nascita (mm): {12}

Anno di nascita (aaaa): {1999}

Sesso (M/F): {m}

Comune di nascita: {Roma}


Codice fiscale: VRDLCU99T05H501R

<PROMPT>
=== An unknown municipality and one with a trailing space are not found; lower case is.
--- given risorsa.cf.txt
ROMA<TAB>H501
MILANO<TAB>F205
L''AQUILA<TAB>A345
FORLI'<TAB>D704
CASTRO<TAB>C337
CASTRO<TAB>M261
--- dialogue
<PROMPT>{f}

Cognome: {Neri}

Nome: {Ugo}

Inserire la data di nascita nel formato: gg/mm/aaaa

Giorno di nascita(gg): {5}

Mese di nascita (mm): {5}

Anno di nascita (aaaa): {1990}

Sesso (M/F): {M}

Comune di nascita: {Atlantide}
ERRORE: Comune non trovato.

Comune di nascita: {Roma }
ERRORE: Comune non trovato.

Comune di nascita: {roma}


Codice fiscale: NREGUO90E05H501P

<PROMPT>
=== A sex other than M or F is asked again; after the letter one character is discarded and the rest of the line is the municipality.
--- given risorsa.cf.txt
ROMA<TAB>H501
MILANO<TAB>F205
L''AQUILA<TAB>A345
FORLI'<TAB>D704
CASTRO<TAB>C337
CASTRO<TAB>M261
--- dialogue
<PROMPT>{f}

Cognome: {Neri}

Nome: {Ugo}

Inserire la data di nascita nel formato: gg/mm/aaaa

Giorno di nascita(gg): {5}

Mese di nascita (mm): {5}

Anno di nascita (aaaa): {1990}

Sesso (M/F): {x}
ERRORE: Inserire solo il carattere 'M' o 'F'.

Sesso (M/F): {   F Roma}

Comune di nascita: 

Codice fiscale: NREGUO90E45H501T

<PROMPT>
=== Without a file in the working directory the table installed with the program is used: Enrico Fermi (Roma), Maria Montessori (Chiaravalle), Giuseppe Verdi (Busseto), Rita Levi-Montalcini (Torino).
--- option datadir=../../../data
--- dialogue
<PROMPT>{f}

Cognome: {Fermi}

Nome: {Enrico}

Inserire la data di nascita nel formato: gg/mm/aaaa

Giorno di nascita(gg): {29}

Mese di nascita (mm): {9}

Anno di nascita (aaaa): {1901}

Sesso (M/F): {M}

Comune di nascita: {Roma}


Codice fiscale: FRMNRC01P29H501P

<PROMPT>{f}

Cognome: {Montessori}

Nome: {Maria}

Inserire la data di nascita nel formato: gg/mm/aaaa

Giorno di nascita(gg): {31}

Mese di nascita (mm): {8}

Anno di nascita (aaaa): {1870}

Sesso (M/F): {F}

Comune di nascita: {Chiaravalle}


Codice fiscale: MNTMRA70M71C615I

<PROMPT>{f}

Cognome: {Verdi}

Nome: {Giuseppe}

Inserire la data di nascita nel formato: gg/mm/aaaa

Giorno di nascita(gg): {10}

Mese di nascita (mm): {10}

Anno di nascita (aaaa): {1813}

Sesso (M/F): {M}

Comune di nascita: {Busseto}


Codice fiscale: VRDGPP13R10B293P

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
=== A file in the working directory takes precedence over the installed one.
--- option datadir=../../../data
--- given risorsa.cf.txt
ROMA<TAB>Z999
--- dialogue
<PROMPT>{f}

Cognome: {Fermi}

Nome: {Enrico}

Inserire la data di nascita nel formato: gg/mm/aaaa

Giorno di nascita(gg): {29}

Mese di nascita (mm): {9}

Anno di nascita (aaaa): {1901}

Sesso (M/F): {M}

Comune di nascita: {Roma}


Codice fiscale: FRMNRC01P29Z999T

<PROMPT>
=== A negative year is refused and asked again.
--- given risorsa.cf.txt
ROMA<TAB>H501
MILANO<TAB>F205
L''AQUILA<TAB>A345
FORLI'<TAB>D704
CASTRO<TAB>C337
CASTRO<TAB>M261
--- dialogue
<PROMPT>{f}

Cognome: {Neri}

Nome: {Ugo}

Inserire la data di nascita nel formato: gg/mm/aaaa

Giorno di nascita(gg): {5}

Mese di nascita (mm): {5}

Anno di nascita (aaaa): {-1990}
ERRORE: Anno di nascita non valido.

Anno di nascita (aaaa): {1990}

Sesso (M/F): {M}

Comune di nascita: {Roma}


Codice fiscale: NREGUO90E05H501P

<PROMPT>
