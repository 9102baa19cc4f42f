# Insertion sort with a mistake: each item is taken out and the larger ones before it move up,
# but the item is never put back where they made room. The race says which item is lost.

def sort(a):
    for i in range(1, len(a)):
        x = a[i]
        j = i
        while j > 0 and a[j - 1] > x:
            a[j] = a[j - 1]
            j -= 1
        # Forgotten: a[j] = x
