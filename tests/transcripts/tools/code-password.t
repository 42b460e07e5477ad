=== With the clock at 1700000000 s, 'g' gives the code that the Mersenne Twister seeded with that second gives; 'v' draws from the platform's random source.
--- dialogue
<PROMPT>{g}

Inserisci la lunghezza del codice: {12}

Elaborando...

Codice generato: OiSmbIR6g6a0
<PROMPT>{v}

Inserire la lunghezza della password: {16}

Elaborando...

La password generata: Q*v5Kz(M*cvbwPJw
<PROMPT>
=== A negative length gives an empty text; beyond 100,000,000 characters the memory message stands in place of the result.
--- dialogue
<PROMPT>{g}

Inserisci la lunghezza del codice: {-5}

Elaborando...

Codice generato: 
<PROMPT>{v}

Inserire la lunghezza della password: {100000001}

Elaborando...

Errore: memoria insufficiente.
<PROMPT>
