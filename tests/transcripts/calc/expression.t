=== 'e' mode 2 reads one word: "2 + 3" evaluates 2, one blank is discarded and "+ 3" reaches the prompt, where it is refused.
--- dialogue
<PROMPT>{e}

Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: {2}
Inserisci l'espressione: {2 + 3}
Risultato: 2
<PROMPT>

Funzione non valida.Riprova

<PROMPT>
--- expect function_history.txt
e
+ 3
=== 'e' mode 2 (or more): * and / bind tighter than + and -.
--- dialogue
<PROMPT>{e}

Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: {2}
Inserisci l'espressione: {2+3*4}
Risultato: 14
<PROMPT>{e}

Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: {7}
Inserisci l'espressione: {(1+2)*(3+4)}
Risultato: 21
<PROMPT>{e}

Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: {2}
Inserisci l'espressione: {8/2/2}
Risultato: 2
<PROMPT>{e}

Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: {2}
Inserisci l'espressione: {100/3}
Risultato: 33.3333
<PROMPT>
=== 'e' mode 2: decimal numbers and unary signs.
--- dialogue
<PROMPT>{e}

Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: {2}
Inserisci l'espressione: {-(2+3)/.5}
Risultato: -10
<PROMPT>{e}

Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: {2}
Inserisci l'espressione: {1.5+1}
Risultato: 2.5
<PROMPT>{e}

Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: {2}
Inserisci l'espressione: {2*-3}
Risultato: -6
<PROMPT>
=== 'e' mode 2: division by zero prints the IEEE value.
--- dialogue
<PROMPT>{e}

Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: {2}
Inserisci l'espressione: {1/0}
Risultato: inf
<PROMPT>{e}

Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: {2}
Inserisci l'espressione: {0-1/0}
Risultato: -inf
<PROMPT>
=== 'e' mode 2: malformed expressions get a message instead of a result.
--- dialogue
<PROMPT>{e}

Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: {2}
Inserisci l'espressione: {2(3)}
Errore: espressione non valida.
<PROMPT>{e}

Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: {2}
Inserisci l'espressione: {2+}
Errore: espressione non valida.
<PROMPT>{e}

Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: {2}
Inserisci l'espressione: {((2)}
Errore: espressione non valida.
<PROMPT>{e}

Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: {2}
Inserisci l'espressione: {2^3}
Errore: espressione non valida.
<PROMPT>
=== A non-number at the mode question or as the left operand is refused and asked for again.
--- dialogue
<PROMPT>{e}

Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: {due}

Errore riprova
Path: {1}
Inserisci l'espressione': {a+b}

Errore riprova
Inserisci l'espressione': {1+1}
Risultato: 2
<PROMPT>
=== 'e' mode 1: an unknown operator and a zero divisor get messages; INT_MIN / -1 wraps to INT_MIN; sums wrap too.
--- dialogue
<PROMPT>{e}

Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: {1}
Inserisci l'espressione': {2^3}
Errore: operatore non valido
<PROMPT>{e}

Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: {1}
Inserisci l'espressione': {5/0}
Errore: divisione per zero.
<PROMPT>{e}

Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: {1}
Inserisci l'espressione': {-2147483648/-1}
Risultato: -2147483648
<PROMPT>{e}

Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: {1}
Inserisci l'espressione': {2147483647+1}
Risultato: -2147483648
<PROMPT>
=== 'e' mode 1 (or 0 or below): one int operation; blanks around the operator do not matter and the quotient is truncated.
--- dialogue
<PROMPT>{e}

Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: {1}
Inserisci l'espressione': {7/2}
Risultato: 3
<PROMPT>{e}

Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: {0}
Inserisci l'espressione': {-7/2}
Risultato: -3
<PROMPT>{e}

Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: {-1}
Inserisci l'espressione': {3--4}
Risultato: 7
<PROMPT>{e}

Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: {1}
Inserisci l'espressione': {3 + 4}
Risultato: 7
<PROMPT>{e}

Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: {1}
Inserisci l'espressione': {6}
{*}
{7}
Risultato: 42
<PROMPT>
