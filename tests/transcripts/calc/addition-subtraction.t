=== 'a' adds the values typed after the count; values may share a line.
--- dialogue
<PROMPT>{a}

Inserisci quanti valori vuoi utilizzare: {3}
Valore: {1}
Valore: {2 3}
Valore: Risultato: 6<PROMPT>
=== 's' subtracts every later value from the first.
--- dialogue
<PROMPT>{s}

Inserisci quanti valori vuoi utilizzare: {3}
Valore: {10}
Valore: {3}
Valore: {2}
Risultato: 5<PROMPT>
=== "5 a" as the last answer: 5 is used, the blank after it is discarded and "a" reaches the prompt as the next command line, so the addition starts again.
--- dialogue
<PROMPT>{a}

Inserisci quanti valori vuoi utilizzare: {1}
Valore: {5 a}
Risultato: 5<PROMPT>
Inserisci quanti valori vuoi utilizzare: {1}
Valore: {2}
Risultato: 2<PROMPT>
--- expect function_history.txt
a
a
=== 'a' with a count of 0 or below asks for no value and prints 0.
--- dialogue
<PROMPT>{a}

Inserisci quanti valori vuoi utilizzare: {0}
Risultato: 0<PROMPT>{a}

Inserisci quanti valori vuoi utilizzare: {-4}
Risultato: 0<PROMPT>
=== End of input inside the addition: a line break and status 0.
--- dialogue
<PROMPT>{a}

Inserisci quanti valori vuoi utilizzare: {3}
Valore: {1}
Valore: 
=== A non-number at the count or at a value is refused with "Errore riprova" and the same question is asked again; the rest of that line is dropped.
--- dialogue
<PROMPT>{a}

Inserisci quanti valori vuoi utilizzare: {x}

Errore riprova
Inserisci quanti valori vuoi utilizzare: {2}
Valore: {abc 7}

Errore riprova
Valore: {5}
Valore: {6}
Risultato: 11<PROMPT>
=== 'a' sums in 32-bit int: INT_MAX + 1 wraps to INT_MIN.
--- dialogue
<PROMPT>{a}

Inserisci quanti valori vuoi utilizzare: {2}
Valore: {2147483647}
Valore: {1}
Risultato: -2147483648<PROMPT>
=== 's' always asks for the first value, also for a count of 1, 0 or -4.
--- dialogue
<PROMPT>{s}

Inserisci quanti valori vuoi utilizzare: {1}
Valore: {7}
Risultato: 7<PROMPT>{s}

Inserisci quanti valori vuoi utilizzare: {0}
Valore: {4}
Risultato: 4<PROMPT>{s}

Inserisci quanti valori vuoi utilizzare: {-4}
Valore: {-9}
Risultato: -9<PROMPT>
=== 's' subtracts in 32-bit int: INT_MIN - 1 wraps to INT_MAX.
--- dialogue
<PROMPT>{s}

Inserisci quanti valori vuoi utilizzare: {2}
Valore: {-2147483648}
Valore: {1}
Risultato: 2147483647<PROMPT>
