#!/usr/bin/python
# -*- coding: utf-8 -*-
# Applies a profile and values to a terminal through hxconfig-cli apply.

from __future__ import absolute_import, division, print_function
__metaclass__ = type

DOCUMENTATION = r'''
module: config
short_description: Configure a microterminal with a profile and values
description:
  - Reads the terminal, applies a profile (a C(ConfDefault.ini) or a configuration file) and then
    I(values), and writes only when something changed, through C(hxconfig-cli apply).
  - Before a write the configuration as read is saved in I(backup_dir); after it the terminal is read
    back and compared (I(verify)) and rebooted (I(reboot)).
  - Check mode reads the terminal and reports what would change; nothing that changes the terminal is
    sent and no backup is saved. Diff mode shows each changed field before and after.
  - C(changed) is true exactly when the terminal was written (in check mode, when it would be).
version_added: 2.0.0
author: hxconfig developers
extends_documentation_fragment:
  - hxconfig.terminal.common
options:
  profile:
    description:
      - An INI file on the host where the task runs, with the company sections (Rede, Conexao,
        Protocolo, Gerais, Seriais), such as C(ConfDefault.ini) or a configuration file read from a
        terminal.
      - At least one of I(profile) and I(values) is required.
    type: path
  values:
    description:
      - C(Section.Key) to value, applied after I(profile); C(hxconfig-cli show) lists the keys.
      - A boolean becomes C(Sim) or C(Não).
    type: dict
  new_password:
    description:
      - A new password for the terminal, exactly 6 characters, written with the configuration and used
        for the read-back and the reboot.
      - Handed to C(hxconfig-cli) in a file only its owner reads, never on its command line.
      - Every run with it writes the terminal; use it once and then give it as I(password).
    type: str
  backup_dir:
    description:
      - Folder on the host where the task runs for the backup made before a write; the program's
        default is C(Backups) beside C(ConfDefault.ini).
    type: path
  verify:
    description: Read the terminal back after the write and compare.
    type: bool
    default: true
  reboot:
    description: Unlock and reboot the terminal after the write.
    type: bool
    default: true
attributes:
  check_mode:
    support: full
  diff_mode:
    support: full
'''

EXAMPLES = r'''
- name: Give every terminal of the fleet the company default and its own address
  hxconfig.terminal.config:
    address: "{{ hx_address }}"
    password: "{{ hx_password }}"
    profile: /etc/hxconfig/ConfDefault.ini
    values: "{{ hx_values }}"
    backup_dir: /var/backups/hxconfig
  delegate_to: "{{ site_host }}"

- name: Change one field
  hxconfig.terminal.config:
    address: 192.168.0.50
    password_file: /etc/hxconfig/senha
    values:
      Conexao.Gateway: 192.168.0.254
'''

RETURN = r'''
address:
  description: The terminal's address as given.
  returned: always
  type: str
  sample: 192.168.0.50
result:
  description: C(changed), C(unchanged) or, in check mode, C(dry-run).
  returned: success
  type: str
  sample: changed
changes:
  description:
    - The fields that changed (or would change), each with C(section), C(key), C(page), C(caption),
      C(from) and C(to); a password's values are left empty.
  returned: success
  type: list
  elements: dict
  sample: [{"section": "Conexao", "key": "IPLocal", "page": "Conexão", "caption": "IP Local",
            "from": "10.0.0.1", "to": "192.168.0.50"}]
backup:
  description: The backup file saved before the write; empty when nothing was written.
  returned: success
  type: str
  sample: /var/backups/hxconfig/0050C2A1B2C3_20250315-101500.ini
verified:
  description: Whether the terminal was read back after the write and held what was sent.
  returned: success
  type: bool
rc:
  description: The exit code of hxconfig-cli (2 usage, 3 no connection, 4 refused by the terminal,
    5 verification failed, 6 file problem, 7 refused before writing).
  returned: failure
  type: int
  sample: 4
'''

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.hxconfig.terminal.plugins.module_utils.hxcli import (
    COMMON_EXCLUSIVE, Cli, check_values, common_argument_spec, write_arguments, write_result)


def main():
    module = AnsibleModule(
        argument_spec=common_argument_spec(
            profile=dict(type='path'),
            values=dict(type='dict'),
            new_password=dict(type='str', no_log=True),
            backup_dir=dict(type='path'),
            verify=dict(type='bool', default=True),
            reboot=dict(type='bool', default=True),
        ),
        mutually_exclusive=COMMON_EXCLUSIVE,
        required_one_of=[('profile', 'values')],
        supports_check_mode=True,
    )
    check_values(module, module.params['values'])
    cli = Cli(module)
    profile = module.params['profile'] or cli.private_file('empty-profile.ini', '')
    arguments = [cli.address, profile] + write_arguments(module, cli, module.check_mode)
    objects, dummy, dummy = cli.run('apply', arguments)
    module.exit_json(**write_result(module, cli, cli.one(objects)))


if __name__ == '__main__':
    main()
