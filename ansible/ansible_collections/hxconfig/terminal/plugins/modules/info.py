#!/usr/bin/python
# -*- coding: utf-8 -*-
# Reads a terminal's status and configuration without writing anything.

from __future__ import absolute_import, division, print_function
__metaclass__ = type

DOCUMENTATION = r'''
module: info
short_description: Read a microterminal's readiness and configuration
description:
  - Asks the terminal's status (C(hxconfig-cli status)) and, when it is ready, reads its configuration
    (C(hxconfig-cli read)); nothing is written to the terminal or saved on the host.
  - A terminal that answers "not ready" is reported with I(ready) false and no fields, without failing.
  - The raw image is not returned, since the terminal's password is among its bytes.
version_added: 2.0.0
author: hxconfig developers
extends_documentation_fragment:
  - hxconfig.terminal.common
attributes:
  check_mode:
    support: full
  diff_mode:
    support: none
'''

EXAMPLES = r'''
- name: Read a terminal
  hxconfig.terminal.info:
    address: 192.168.0.50
    password: "{{ hx_password }}"
  register: terminal

- name: Show its address
  ansible.builtin.debug:
    msg: "{{ terminal.mac }} has IP Local {{ terminal.fields['Conexao.IPLocal'] }}"
'''

RETURN = r'''
address:
  description: The terminal's address as given.
  returned: always
  type: str
ready:
  description: Whether the terminal answered the status request with "ready".
  returned: always
  type: bool
mac:
  description: The terminal's MAC; empty when it is not ready.
  returned: always
  type: str
  sample: 0050C2A1B2C3
fields:
  description: Every field as C(Section.Key) to its value as the configuration file holds it.
  returned: always
  type: dict
  sample: {"Conexao.IPLocal": "192.168.0.50", "Gerais.NumTerminal": "07"}
rc:
  description: The exit code of hxconfig-cli (3 no connection, 4 refused, for example a wrong password).
  returned: failure
  type: int
'''

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.hxconfig.terminal.plugins.module_utils.hxcli import (
    COMMON_EXCLUSIVE, Cli, common_argument_spec, configuration_of)

EXIT_NOT_READY = 4


def main():
    module = AnsibleModule(
        argument_spec=common_argument_spec(),
        mutually_exclusive=COMMON_EXCLUSIVE,
        supports_check_mode=True,
    )
    cli = Cli(module)
    objects, rc, stderr = cli.run('status', [cli.address], ok_codes=(0, EXIT_NOT_READY))
    status = cli.one(objects)
    if rc == EXIT_NOT_READY and status.get('result') != 'not ready':
        cli.fail(rc, objects, stderr)
    if status.get('result') != 'ready':
        module.exit_json(changed=False, address=cli.address, ready=False, mac='', fields={})
    objects, rc, stderr = cli.run('read', [cli.address])
    configuration = configuration_of(cli.one(objects))
    module.exit_json(changed=False, address=cli.address, ready=True, **configuration)


if __name__ == '__main__':
    main()
