# Gnome sort: a garden gnome sorts a line of flower pots. Where the pot before him is no
# larger, he steps forward; where it is larger, he exchanges the two and steps back.

def sort(a):
    i = 1
    while i < len(a):
        if i == 0 or a[i - 1] <= a[i]:
            i += 1
        else:
            a[i - 1], a[i] = a[i], a[i - 1]
            i -= 1
