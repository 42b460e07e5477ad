=== '6' on 14 November 2023 (the fake clock): one code per command, its verdict as read (each verdict's text is in the unit tests); a code with letters for digits, typed in lower case between blanks, is valid; a year is the latest one not after today (the note on a place code not in use that day is in the unit tests).
--- given risorsa.cf.txt
ROMA<TAB>H501<TAB>0000-01-01<TAB>9999-12-31<TAB>RM
BOLZANO<TAB>A952<TAB>0000-01-01<TAB>9999-12-31<TAB>BZ
BOZEN<TAB>A952<TAB>0000-01-01<TAB>9999-12-31<TAB>BZ
--- dialogue
<PROMPT>{6}

Inserisci il codice fiscale: {RSSMRA80A01H501}
ERRORE: Il codice deve avere 16 caratteri nella forma RSSMRA80A01H501U.
<PROMPT>{6}

Inserisci il codice fiscale: {  rssmraulalmhrlmd  }
Codice fiscale valido.
Codice con sostituzioni per omocodia.
Sesso: maschile
Nato il 01/01/1980
Luogo di nascita: ROMA (RM)
<PROMPT>{6}

Inserisci il codice fiscale: {BNCNNA23T45A952R}
Codice fiscale valido.
Sesso: femminile
Nata il 05/12/1923
Luogo di nascita: BOLZANO / BOZEN (BZ)
<PROMPT>
=== Without a municipality table '6' asks nothing.
--- dialogue
<PROMPT>{6}


Errore caricare risorse
<PROMPT>
