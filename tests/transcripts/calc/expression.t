--- token E noeol

Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: 
=== 'e' with 2 evaluates the rest of the line (or the next) as an expression, blanks ignored, and any zero divisor in it is a division by zero; with 1 one int operation.
--- dialogue
<PROMPT>{e}
<E>{2 -(2+3)/.5}
Inserisci l'espressione: Risultato: -10
<PROMPT>{e}
<E>{2 2(3)}
Inserisci l'espressione: Errore: espressione non valida.
<PROMPT>{e}
<E>{1 3 + -4}
Inserisci l'espressione': Risultato: -1
<PROMPT>{e}
<E>{0 5/0}
Inserisci l'espressione': Errore: divisione per zero.
<PROMPT>{e}
<E>{2}
Inserisci l'espressione: {0 * (1 / (2 - 2))}
Errore: divisione per zero.
<PROMPT>
