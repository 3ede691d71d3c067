# -*- coding: utf-8 -*-
# The options every module of the collection takes.

from __future__ import absolute_import, division, print_function
__metaclass__ = type


class ModuleDocFragment(object):

    DOCUMENTATION = r'''
options:
  address:
    description:
      - The terminal, as C(hxconfig-cli) takes it, a dotted IPv4 address (port 23) or C(host:port).
    type: str
    required: true
  password:
    description:
      - The terminal's current password (1 to 6 characters).
      - Handed to C(hxconfig-cli) in its environment (C(HXCONFIG_PASSWORD)), never on its command line.
      - Without I(password) and I(password_file), C(hxconfig-cli) takes C(HXCONFIG_PASSWORD) from the
        environment of the host where the task runs.
    type: str
  password_file:
    description:
      - A file on the host where the task runs whose first line is the terminal's password.
      - Mutually exclusive with I(password).
    type: path
  cli:
    description:
      - The program C(hxconfig-cli) on the host where the task runs, a path or a name searched on PATH.
    type: str
    default: hxconfig-cli
  timeout:
    description:
      - Connect and reply timeout in milliseconds (C(hxconfig-cli --timeout)); the program's default is 3000.
    type: int
notes:
  - >-
    The module runs C(hxconfig-cli ... --json) on the host where the task runs, which must reach the
    terminal's port; use C(connection: local) on the control node, or C(delegate_to) a site's host.
  - A failure carries the program's message (Portuguese) in C(msg) and its exit code in C(rc).
requirements:
  - hxconfig-cli on the host where the task runs
'''
