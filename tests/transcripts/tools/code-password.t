=== 'g' with the clock at 1700000000 s: the dots, then the 12-character code that the Mersenne Twister seeded with that second gives.
--- dialogue
<PROMPT>{g}

Inserisci la lunghezza del codice: {12}

Elaborando...

Codice generato: OiSmbIR6g6a0
<PROMPT>
=== 'v': the dots, then 16 characters drawn from the platform's random source.
--- dialogue
<PROMPT>{v}

Inserire la lunghezza della password: {16}

Elaborando...

La password generata: Q*v5Kz(M*cvbwPJw
<PROMPT>
=== A length of 0 or below gives an empty code after the whole animation.
--- dialogue
<PROMPT>{g}

Inserisci la lunghezza del codice: {0}

Elaborando...

Codice generato: 
<PROMPT>{g}

Inserisci la lunghezza del codice: {-5}

Elaborando...

Codice generato: 
<PROMPT>
=== A length that is not a number is asked again.
--- dialogue
<PROMPT>{g}

Inserisci la lunghezza del codice: {dodici}

Errore riprova
Inserisci la lunghezza del codice: {3}

Elaborando...

Codice generato: OiS
<PROMPT>
=== After the length only the blank is discarded: the rest of the line, "xx", is read as the next command line and refused.
--- dialogue
<PROMPT>{g}

Inserisci la lunghezza del codice: {4 xx}

Elaborando...

Codice generato: OiSm
<PROMPT>

Funzione non valida.Riprova

<PROMPT>
--- expect function_history.txt
g
xx
=== Two codes in the same second: the longer one begins with the whole shorter one.
--- dialogue
<PROMPT>{g}

Inserisci la lunghezza del codice: {5}

Elaborando...

Codice generato: OiSmb
<PROMPT>{g}

Inserisci la lunghezza del codice: {12}

Elaborando...

Codice generato: OiSmbIR6g6a0
<PROMPT>
=== A length beyond 100,000,000 characters is more than the program will hold: the memory message stands in place of the result, for codes and passwords.
--- dialogue
<PROMPT>{g}

Inserisci la lunghezza del codice: {2147483647}

Elaborando...

Errore: memoria insufficiente.
<PROMPT>{v}

Inserire la lunghezza della password: {100000001}

Elaborando...

Errore: memoria insufficiente.
<PROMPT>
=== A negative length gives an empty password.
--- dialogue
<PROMPT>{v}

Inserire la lunghezza della password: {-1}

Elaborando...

La password generata: 
<PROMPT>
