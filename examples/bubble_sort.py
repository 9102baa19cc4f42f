# Bubble sort, as a student writes it: each pass bubbles the largest item left to the end.
# It counts the same comparisons, exchanges and moves as the program's own bubble sort.

def sort(a):
    n = len(a)
    for p in range(1, n):
        for i in range(n - p):
            if a[i] > a[i + 1]:
                a[i], a[i + 1] = a[i + 1], a[i]
