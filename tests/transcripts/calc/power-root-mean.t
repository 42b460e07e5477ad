=== 'q' divides the sum by the number of values.
--- dialogue
<PROMPT>{q}

Inserisci quanti valori vuoi utilizzare: {4}
Valore: {1}
Valore: {2}
Valore: {3}
Valore: {4}
Risultato: 2.5<PROMPT>
=== 'p': 2^10 is 1024, and any base to the power 0 is 1 (0^0 too).
--- dialogue
<PROMPT>{p}

Inserisci il numero: {2}
Inserisci l'esponente: {10}
Risultato: 1024<PROMPT>{p}

Inserisci il numero: {2}
Inserisci l'esponente: {0}
Risultato: 1<PROMPT>{p}

Inserisci il numero: {0}
Inserisci l'esponente: {0}
Risultato: 1<PROMPT>{p}

Inserisci il numero: {-3}
Inserisci l'esponente: {3}
Risultato: -27<PROMPT>
=== 'r' prints the root as a float after its own label.
--- dialogue
<PROMPT>{r}

Inserisci il numero: {27}
Inserisci l'esponente per la radice: {3}
La radice 3-esima di 27 e': 3
<PROMPT>{r}

Inserisci il numero: {2}
Inserisci l'esponente per la radice: {2}
La radice 2-esima di 2 e': 1.41421
<PROMPT>
=== 'q' with a count of 2.5 asks for two values and divides by two.
--- dialogue
<PROMPT>{q}

Inserisci quanti valori vuoi utilizzare: {2.5}
Valore: {1}
Valore: {2}
Risultato: 1.5<PROMPT>
=== 'q' with a count below 1 reads no value and prints a message.
--- dialogue
<PROMPT>{q}

Inserisci quanti valori vuoi utilizzare: {0}
Errore: inserire almeno un valore.
<PROMPT>{q}

Inserisci quanti valori vuoi utilizzare: {-2}
Errore: inserire almeno un valore.
<PROMPT>
=== 'q': non-numbers at the count and at a value are refused and asked again.
--- dialogue
<PROMPT>{q}

Inserisci quanti valori vuoi utilizzare: {due}

Errore riprova
Inserisci quanti valori vuoi utilizzare: {2}
Valore: {1}
Valore: {x}

Errore riprova
Valore: {2}
Risultato: 1.5<PROMPT>
=== 'p' with a negative exponent prints the power as a double.
--- dialogue
<PROMPT>{p}

Inserisci il numero: {2}
Inserisci l'esponente: {-3}
Risultato: 0.125<PROMPT>{p}

Inserisci il numero: {0}
Inserisci l'esponente: {-1}
Risultato: inf<PROMPT>
=== 'p': a non-number exponent is asked for again.
--- dialogue
<PROMPT>{p}

Inserisci il numero: {3}
Inserisci l'esponente: {due}

Errore riprova
Inserisci l'esponente: {2}
Risultato: 9<PROMPT>
=== 'p' multiplies in 32-bit int: 2^31 wraps to INT_MIN and 2^32 to 0.
--- dialogue
<PROMPT>{p}

Inserisci il numero: {2}
Inserisci l'esponente: {31}
Risultato: -2147483648<PROMPT>{p}

Inserisci il numero: {2}
Inserisci l'esponente: {32}
Risultato: 0<PROMPT>
=== "3 z" as the index: the root uses 3, the blank is discarded and "z" starts the sine at once.
--- dialogue
<PROMPT>{r}

Inserisci il numero: {8}
Inserisci l'esponente per la radice: {3 z}
La radice 3-esima di 8 e': 2
<PROMPT>
Inserisci valore:{30}
Risultato: 0.5<PROMPT>
--- expect function_history.txt
r
z
=== 'r': an odd root of a negative number is real; an even one is refused; an index of 0 is refused first, whatever the number.
--- dialogue
<PROMPT>{r}

Inserisci il numero: {-8}
Inserisci l'esponente per la radice: {3}
La radice 3-esima di -8 e': -2
<PROMPT>{r}

Inserisci il numero: {-16}
Inserisci l'esponente per la radice: {2}
Errore: radice di indice pari di un numero negativo.
<PROMPT>{r}

Inserisci il numero: {5}
Inserisci l'esponente per la radice: {0}
Errore: indice della radice non valido.
<PROMPT>{r}

Inserisci il numero: {-5}
Inserisci l'esponente per la radice: {0}
Errore: indice della radice non valido.
<PROMPT>
