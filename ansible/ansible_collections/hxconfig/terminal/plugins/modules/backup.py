#!/usr/bin/python
# -*- coding: utf-8 -*-
# Keeps a terminal's configuration history through hxconfig-cli backup.

from __future__ import absolute_import, division, print_function
__metaclass__ = type

DOCUMENTATION = r'''
module: backup
short_description: Save a microterminal's configuration when it changed
description:
  - Reads the terminal and saves its configuration in I(backup_dir) only when it differs from the
    newest backup of the same MAC, through C(hxconfig-cli backup), so that a scheduled run keeps a
    history of changes rather than a copy a night.
  - C(changed) is true when a new file was saved.
  - The terminal is only read. Check mode is not supported (the task is skipped), as the comparison
    is the backup itself.
version_added: 2.0.0
author: hxconfig developers
extends_documentation_fragment:
  - hxconfig.terminal.common
options:
  backup_dir:
    description:
      - The backups folder on the host where the task runs; the program's default is C(Backups)
        beside C(ConfDefault.ini).
    type: path
attributes:
  check_mode:
    support: none
  diff_mode:
    support: none
'''

EXAMPLES = r'''
- name: Nightly history of every terminal
  hxconfig.terminal.backup:
    address: "{{ hx_address }}"
    password: "{{ hx_password }}"
    backup_dir: /var/backups/hxconfig
  delegate_to: "{{ site_host }}"
'''

RETURN = r'''
address:
  description: The terminal's address as given.
  returned: always
  type: str
result:
  description: C(new) when a file was saved, C(unchanged) when the newest backup holds the same.
  returned: success
  type: str
  sample: new
file:
  description: The new file, or the newest existing one when nothing changed.
  returned: success
  type: str
  sample: /var/backups/hxconfig/0050C2A1B2C3_20250315-101500.ini
mac:
  description: The terminal's MAC.
  returned: success
  type: str
  sample: 0050C2A1B2C3
rc:
  description: The exit code of hxconfig-cli for this terminal (3 no connection, 4 refused, 6 file problem).
  returned: failure
  type: int
'''

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.hxconfig.terminal.plugins.module_utils.hxcli import (
    COMMON_EXCLUSIVE, Cli, common_argument_spec)

# backup's exit code when some terminal failed; the object then names the terminal's own code.
EXIT_SOME_FAILED = 8


def main():
    module = AnsibleModule(
        argument_spec=common_argument_spec(backup_dir=dict(type='path')),
        mutually_exclusive=COMMON_EXCLUSIVE,
        supports_check_mode=False,
    )
    cli = Cli(module)
    arguments = [cli.address]
    if module.params['backup_dir']:
        arguments += ['--backup-dir', module.params['backup_dir']]
    objects, rc, stderr = cli.run('backup', arguments, ok_codes=(0, EXIT_SOME_FAILED))
    answer = cli.one(objects)
    if rc != 0 or answer.get('result') == 'failed':
        cli.fail(rc, [answer], stderr)
    module.exit_json(changed=answer.get('result') == 'new', address=cli.address, result=answer.get('result', ''),
                     file=answer.get('file', ''), mac=answer.get('mac', ''))


if __name__ == '__main__':
    main()
