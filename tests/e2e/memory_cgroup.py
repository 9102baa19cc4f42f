"""A memory control group of the tests' own, to run a program as on a machine with little memory.

Made with the v2 interface where its memory controller is on, else with v1's memory
controller; where neither can be made (no root, no controller, a locked-down sandbox),
`MemoryCgroup.make` says why and the caller skips.
"""

import os


def _mounts():
    """The mount points of the cgroup2 hierarchy and of the v1 memory controller."""
    v2 = v1 = None
    with open("/proc/self/mountinfo") as mountinfo:
        for line in mountinfo:
            before, _, after = line.partition(" - ")
            fields, kinds = before.split(), after.split()
            if len(fields) < 5 or len(kinds) < 3:
                continue
            if kinds[0] == "cgroup2" and v2 is None:
                v2 = fields[4]
            if kinds[0] == "cgroup" and "memory" in kinds[2].split(",") and v1 is None:
                v1 = fields[4]
    return v2, v1


def _write(path, text):
    with open(path, "w") as file:
        file.write(text)


class MemoryCgroup:
    def __init__(self, folder, version):
        self.folder = folder
        self.version = version

    @classmethod
    def make(cls, limit_bytes):
        """A new group limited to `limit_bytes`, or (None, the reason it cannot be made)."""
        v2, v1 = _mounts()
        name = f"sorting-methods-test-{os.getpid()}"
        reasons = []
        if v2 is not None:
            try:
                with open(os.path.join(v2, "cgroup.controllers")) as controllers:
                    if "memory" not in controllers.read().split():
                        raise OSError("the v2 hierarchy has no memory controller here")
                _write(os.path.join(v2, "cgroup.subtree_control"), "+memory")
                folder = os.path.join(v2, name)
                os.mkdir(folder)
                group = cls(folder, 2)
                _write(os.path.join(folder, "memory.max"), str(limit_bytes))
                if os.path.exists(os.path.join(folder, "memory.swap.max")):
                    _write(os.path.join(folder, "memory.swap.max"), "0")
                return group, None
            except OSError as error:
                reasons.append(f"v2: {error}")
        if v1 is not None:
            try:
                folder = os.path.join(v1, name)
                os.mkdir(folder)
                group = cls(folder, 1)
                _write(os.path.join(folder, "memory.limit_in_bytes"), str(limit_bytes))
                if os.path.exists(os.path.join(folder, "memory.memsw.limit_in_bytes")):
                    _write(os.path.join(folder, "memory.memsw.limit_in_bytes"), str(limit_bytes))
                return group, None
            except OSError as error:
                reasons.append(f"v1: {error}")
        return None, "; ".join(reasons) or "no memory control group is mounted"

    def command(self, *program):
        """The command that runs `program` inside the group."""
        procs = os.path.join(self.folder, "cgroup.procs")
        return ["/bin/sh", "-c", f'echo $$ > "{procs}" && exec "$@"', "sh", *program]

    def remove(self):
        try:
            os.rmdir(self.folder)
        except OSError:
            pass
