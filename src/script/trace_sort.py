# Runs a student's sort(a) on the items the program sends on standard input, and tells the
# program each step the sort makes, over descriptor 3, counted as the program's own methods
# count them. One line a step; places are the program's: 1 to n for the items of a, and -1 - k
# for scratch entry k, where an item no longer in a waits (the item first at place k).
#   C p q      two items compared          X i j    items i and j exchanged (three moves)
#   M p q      an item moved from p to q   A p k    the item at p set aside into entry k
#   R p        an item read for its value  L n      the line of the script the step comes from
#   V name v   a local number's value      U name   a local number gone
#   P text     a line the script printed
#   F ok s | F error line message | F limit | F guard | F refused line what   the end: the
#       sort's seconds, what went wrong, the steps' limit, the call filter not loaded, or
#       what the script tried that a sort never needs (open, connect, program, signal, change)
# The lines and numbers (L, V, U) only where the program asks for them: they cost time.
import operator
import os
import sys
import time


class Stop(BaseException):
    """The steps' limit is reached: the script goes no further."""


class Tracer:
    def __init__(self, out, name, limit, notes):
        self.out, self.name, self.limit, self.notes = out, name, limit, notes
        self.steps = 0
        self.items = []       # the items in a, by index
        self.copies = {}      # an item's id: how many places of a hold it
        self.last = {}        # an item's id: the index it was last seen at
        self.pending = None   # a write that may be the first half of an exchange
        self.line = 0
        self.shown = {}
        self.at = (None, -1)  # the frame and the instruction of the last step's note
        self.parts = []

    def write(self, text):
        self.parts.append(text)
        if len(self.parts) >= 512:
            self.flush()

    def flush(self):
        self.out.write("".join(self.parts).encode())
        self.parts = []

    def step(self, text, count=1, follow=True):
        if self.steps >= self.limit:
            raise Stop()
        self.steps += count
        if self.notes and follow:
            self.follow()
        self.write(text)

    def where(self):
        """The line of the script the program is at."""
        frame = sys._getframe(2)
        while frame is not None and frame.f_code.co_filename != self.name:
            frame = frame.f_back
        return self.line if frame is None else frame.f_lineno

    def follow(self):
        """The script's line and its local numbers, where they changed."""
        frame = sys._getframe(1)
        while frame is not None and frame.f_code.co_filename != self.name:
            frame = frame.f_back
        if frame is None:
            return
        # On the same line, further on, no number has changed since: a line's own stores come
        # before its steps but in the rarest of lines. A loop back to it reads them again.
        last_frame, last_instruction = self.at
        self.at = (frame, frame.f_lasti)
        if frame is last_frame and frame.f_lineno == self.line and frame.f_lasti > last_instruction:
            return
        if frame.f_lineno != self.line:
            self.line = frame.f_lineno
            self.write("L %d\n" % self.line)
        shown, found = self.shown, 0
        for k, v in frame.f_locals.items():
            kind = type(v)
            if kind is not int and kind is not float:
                continue
            found += 1
            old = shown.get(k)
            if old is not v and (old != v or type(old) is not kind):
                # A whole number too long to show is not written out: Python refuses the
                # longest ones, and a sort's own numbers are short.
                text = repr(v) if kind is float or v.bit_length() <= 80 else "-" * 25
                if len(text) <= 24:
                    shown[k] = v
                    self.write("V %s %s\n" % (k, text))
                elif old is not None or k not in shown:
                    shown[k] = None  # too long to show: as if gone
                    self.write("U %s\n" % k)
        if found != len(shown):
            numbers = frame.f_locals
            for k in [k for k, v in shown.items() if type(numbers.get(k)) not in (int, float)]:
                del shown[k]
                self.write("U %s\n" % k)

    def place(self, item):
        """Where an item stands: in a, where it was last seen if it is still there; else its
        scratch entry."""
        if self.copies.get(item.id, 0):
            k = self.last.get(item.id)
            if k is None or self.items[k] is not item:
                k = next(k for k, x in enumerate(self.items) if x is item)
            return k + 1
        return -1 - item.id

    def settle(self):
        """A write that was not the first half of an exchange: its item set aside, and the move."""
        if self.pending:
            p, q, _, held, line = self.pending
            self.pending = None
            # The move is the line's that made it, not the line's that came next.
            if self.notes and line != self.line:
                self.line = line
                self.write("L %d\n" % line)
            self.write("A %d %d\n" % (p, held.id))
            self.step("M %d %d\n" % (q, p), follow=False)

    def seen(self, item, k):
        self.last[item.id] = k

    def compare(self, x, y):
        if self.pending:
            self.settle()
        self.step("C %d %d\n" % (self.place(x), self.place(y)))

    def read(self, x):
        if self.pending:
            self.settle()
        self.step("R %d\n" % self.place(x))

    def store(self, k, x):
        if not isinstance(x, Item):
            raise TypeError("only the items of a may be written into a, not %r" % (x,))
        old = self.items[k]
        if old is x:
            return
        if self.pending:
            p, q, _, held, _ = self.pending
            if x is held and k == q - 1:
                self.pending = None
                self.step("X %d %d\n" % (p, q), 3)
                self.put(k, x)
                return
            self.settle()
        source = self.place(x)
        self.put(k, x)
        if self.copies[old.id] == 0 and source > 0:
            self.pending = (k + 1, source, x, old, self.where())
            return
        if self.copies[old.id] == 0:
            self.write("A %d %d\n" % (k + 1, old.id))
        self.step("M %d %d\n" % (source, k + 1))

    def put(self, k, x):
        old = self.items[k]
        self.copies[old.id] -= 1
        self.items[k] = x
        self.copies[x.id] = self.copies.get(x.id, 0) + 1
        self.last[x.id] = k


class Item:
    """One of the items: compared with another, a comparison; used as a number, a read."""
    __slots__ = ("value", "id")

    def __init__(self, value, id):
        self.value, self.id = value, id

    def __repr__(self):
        return repr(self.value)

    def __hash__(self):
        return hash(self.value)


def compared(op):
    def method(self, other):
        if type(other) is Item:
            TRACER.compare(self, other)
            return op(self.value, other.value)
        TRACER.read(self)
        return op(self.value, other)
    return method


def used(op, reflected=False):
    def method(self, *other):
        TRACER.read(self)
        if reflected:
            return op(other[0], self.value)
        return op(self.value, *(o.value if isinstance(o, Item) else o for o in other))
    return method


for _name, _op in (("lt", operator.lt), ("le", operator.le), ("gt", operator.gt), ("ge", operator.ge),
                   ("eq", operator.eq), ("ne", operator.ne)):
    setattr(Item, "__%s__" % _name, compared(_op))
for _name, _op in (("add", operator.add), ("sub", operator.sub), ("mul", operator.mul),
                   ("truediv", operator.truediv), ("floordiv", operator.floordiv), ("mod", operator.mod),
                   ("pow", pow), ("divmod", divmod)):
    setattr(Item, "__%s__" % _name, used(_op))
    setattr(Item, "__r%s__" % _name, used(_op, reflected=True))
for _name, _op in (("neg", operator.neg), ("pos", operator.pos), ("abs", abs), ("int", int), ("float", float),
                   ("index", operator.index), ("round", round), ("trunc", lambda v: int(v)),
                   ("floor", lambda v: int(v // 1)), ("bool", bool)):
    setattr(Item, "__%s__" % _name, used(_op))


class Items:
    """The list the sort is given: it keeps its length; a slice is a copy."""

    def __init__(self, items):
        TRACER.items = list(items)
        for k, x in enumerate(items):
            TRACER.copies[x.id] = 1
            TRACER.last[x.id] = k

    def __len__(self):
        return len(TRACER.items)

    def _index(self, i):
        i = operator.index(i)
        if not -len(self) <= i < len(self):
            raise IndexError("list index out of range")
        return i % len(self)

    def __getitem__(self, i):
        if isinstance(i, slice):
            return TRACER.items[i]
        k = self._index(i)
        x = TRACER.items[k]
        TRACER.seen(x, k)
        return x

    def __setitem__(self, i, x):
        if isinstance(i, slice):
            places = range(*i.indices(len(self)))
            x = list(x)
            if len(x) != len(places):
                raise ValueError("a keeps its length: a slice of %d items cannot take %d" % (len(places), len(x)))
            for k, v in zip(places, x):
                TRACER.store(k, v)
            return
        TRACER.store(self._index(i), x)

    def __iter__(self):
        for k in range(len(self)):
            yield self[k]

    def __repr__(self):
        return repr(TRACER.items)

    def __delitem__(self, i):
        raise TypeError("a keeps its length: sort its items in place")

    def _fixed(self, *args):
        raise TypeError("a keeps its length: sort its items in place")

    append = insert = pop = remove = extend = clear = _fixed


def number(text):
    value = float(text)
    return int(value) if value.is_integer() and abs(value) < 2 ** 53 else value


def last_line(trace, name):
    line = 0
    for frame, number in traceback_frames(trace):
        if frame.f_code.co_filename == name:
            line = number
    return line


def traceback_frames(trace):
    while trace is not None:
        yield trace.tb_frame, trace.tb_lineno
        trace = trace.tb_next


class Printed:
    """What the script prints, told line by line as it comes, each line at most 200
    characters and of printable ones."""

    def __init__(self):
        self.partial = ""

    def write(self, text):
        lines = (self.partial + str(text)).split("\n")
        self.partial = lines.pop()[:1000]
        for line in lines:
            TRACER.write("P %s\n" % "".join(c if c.isprintable() else "?" for c in line[:200]))
        return len(text)

    def flush(self):
        pass

    def end(self):
        if self.partial:
            self.write("\n")


def guard(program):
    """Loads the program's filter of system calls, for good: from here on no new process,
    program, connection or file written (the kernel says no). True where it is loaded."""
    import ctypes
    libc = ctypes.CDLL(None, use_errno=True)

    class Filter(ctypes.Structure):
        _fields_ = [("len", ctypes.c_ushort), ("filter", ctypes.c_void_p)]

    code = ctypes.create_string_buffer(program, len(program))
    no_new_privileges, set_filter, filter_mode = 38, 22, 2
    return (len(program) > 0 and len(program) % 8 == 0
            and libc.prctl(no_new_privileges, 1, 0, 0, 0) == 0
            and libc.prctl(set_filter, filter_mode, ctypes.byref(Filter(len(program) // 8, ctypes.addressof(code))), 0, 0) == 0)


class NoSort(Exception):
    """The file defines no function sort(a)."""


class Refused(Exception):
    """The script tried what a sort never needs; the kernel's filter would refuse it anyway,
    but here it can be said in words."""

    def __init__(self, what):
        super().__init__("a sort only needs the list it is given")
        self.what = what


REFUSED = {"open": "open", "socket.__new__": "connect", "socket.connect": "connect", "socket.bind": "connect",
           "socket.getaddrinfo": "connect", "os.system": "program", "os.exec": "program",
           "os.posix_spawn": "program", "os.spawn": "program", "os.fork": "program", "os.forkpty": "program",
           "subprocess.Popen": "program", "pty.spawn": "program", "os.kill": "signal", "os.killpg": "signal",
           "signal.pthread_kill": "signal", "os.remove": "change", "os.rename": "change", "os.rmdir": "change",
           "os.mkdir": "change", "os.chmod": "change", "os.chown": "change", "os.truncate": "change",
           "os.link": "change", "os.symlink": "change", "os.utime": "change", "shutil.rmtree": "change"}


def watch(event, args):
    """Says what the script tried, where it is no sort's business: a file opened but to read
    Python's own modules or the process's own state, a connection, a program, a signal, a
    file changed."""
    what = REFUSED.get(event)
    if what == "open":
        path, mode, flags = args
        reads = mode in ("r", "rb") or (mode is None and flags & os.O_ACCMODE == os.O_RDONLY)
        own = isinstance(path, str) and path.startswith((sys.base_prefix + "/", "/proc/self/"))
        if isinstance(path, int) or (own and reads):
            return
    if what:
        raise Refused(what)


def main():
    global TRACER
    head, _, source = sys.stdin.buffer.read().partition(b"\n\n")
    fields = dict(line.split(" ", 1) for line in head.decode().split("\n") if " " in line)
    name, limit = fields["name"], int(fields["limit"])
    out = os.fdopen(3, "wb", buffering=1 << 16)
    TRACER = Tracer(out, name, limit, fields.get("notes") != "0")
    values = [number(v) for v in fields.get("items", "").split()]
    a = Items([Item(v, k + 1) for k, v in enumerate(values)])
    sys.setrecursionlimit(5000)
    if not guard(bytes.fromhex(fields.get("guard", ""))):
        TRACER.write("F guard\n")
        TRACER.flush()
        out.flush()
        return
    sys.addaudithook(watch)
    sys.stdout = printed = Printed()
    end = "F ok %r\n"
    started = time.perf_counter()
    try:
        code = compile(source, name, "exec")
        space = {"__name__": "__student__"}
        exec(code, space)
        if not callable(space.get("sort")):
            raise NoSort("the file has no function sort(a)")
        space["sort"](a)
        TRACER.settle()
        TRACER.write(end % (time.perf_counter() - started))
    except Stop:
        TRACER.write("F limit\n")
    except Refused as error:
        TRACER.write("F refused %d %s\n" % (last_line(error.__traceback__, name), error.what))
    except SyntaxError as error:
        TRACER.write("F error %d SyntaxError: %s\n" % (error.lineno or 0, error.msg))
    except BaseException as error:
        message = ("%s: %s" % (type(error).__name__, error)).replace("\n", " ")[:300]
        TRACER.write("F error %d %s\n" % (last_line(error.__traceback__, name), message))
    printed.end()
    TRACER.flush()
    out.flush()


main()
