// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// What a screen reader gets, read from Chromium's accessibility tree
// (CDP): the fields named by their group's caption and described by their
// hint, the drop-down list by its label, the logo, the tabs, and the two
// modal windows with nothing of the page behind them.

import assert from 'node:assert/strict';
import { describe, test } from 'node:test';
import { control, expected, form, openWindow, showTab, withCdpPage } from './support.js';

let page, cdp;
withCdpPage(['DOM', 'Accessibility'], (opened) => ({ page, cdp } = opened));

// Role, name and description of the node for `selector`.
async function Heard(selector) {
    const { root } = await cdp.send('DOM.getDocument', { depth: -1 });
    const { nodeId } = await cdp.send('DOM.querySelector', { nodeId: root.nodeId, selector });
    const { nodes } = await cdp.send('Accessibility.getPartialAXTree', { nodeId, fetchRelatives: false });
    const [node] = nodes;
    const readOnly = node.properties?.find((p) => p.name === 'readonly')?.value.value ?? false;
    return { role: node.role.value, name: node.name?.value ?? '', description: node.description?.value ?? '', readOnly };
}

// The names of everything a screen reader can reach now.
async function Reachable() {
    const { nodes } = await cdp.send('Accessibility.getFullAXTree');
    return nodes.filter((node) => !node.ignored && node.name?.value).map((node) => node.name.value);
}

const caption = (name) => control(control(name).parent).text;
const hint = (name) => control(control(name).hint).text;
const fields = [
    ['tbStudy', 'edtCharNotify'], ['tbStudy', 'edtCharWrite'],
    ['tabBeacon', 'edtiBeaconUUID'], ['tabBeacon', 'edtiBeaconMajor'], ['tabBeacon', 'edtiBeaconMinor'],
];

describe('the main window', () => {
    for (const [tab, name] of fields) {
        test(`${name} is named by its group's caption, described by its hint`, async () => {
            await showTab(page, tab);
            assert.deepEqual(await Heard(`#${name}`),
                { role: 'textbox', name: caption(name), description: hint(name), readOnly: false });
        });
    }
    test('the drop-down list is named by its label', async () => {
        await showTab(page, 'tbStudy');
        assert.deepEqual(await Heard('#cbUUIDType'),
            { role: 'combobox', name: 'Chose UUID type:', description: '', readOnly: false });
    });
    test('the logo has a name of its own', async () => {
        await showTab(page, 'TabSheet1');
        assert.deepEqual(await Heard('#imgLogo'), { role: 'image', name: control('imgLogo').text, description: '',
            readOnly: false });
    });
    test('the tab strip and its tabs', async () => {
        assert.equal((await Heard('#MainPage')).role, 'tablist');
        for (const tab of ['tbStudy', 'tabBeacon', 'TabSheet1'])
            assert.deepEqual(await Heard(`#${tab}-tab`), { role: 'tab', name: control(tab).text.replace('&&', '&'),
                description: '', readOnly: false });
        assert.equal((await Heard('#TabSheet1')).name, 'Quorinet&Zelvane');
    });
    test('the buttons', async () => {
        await showTab(page, 'tbStudy');
        assert.deepEqual(await Heard('#btnShow'), { role: 'button', name: control('btnShow').text, description: '',
            readOnly: false });
    });
});

describe('the modal windows hide the page behind them', () => {
    test('a rejection: an alert dialog named by the caption, described by the message', async () => {
        await page.fill('#edtCharWrite', '');
        await page.click('#btnShow');
        await openWindow(page);
        assert.deepEqual(await Heard('dialog[open]'), { role: 'alertdialog', name: form.messageCaption,
            description: expected.messages.fill, readOnly: false });
        const reachable = await Reachable();
        assert.ok(reachable.includes('OK'));
        assert.ok(!reachable.includes(control('btnShow').text), 'the page is inert');
        await page.keyboard.press('Enter');
        await page.locator('dialog').waitFor({ state: 'detached' });
    });
    test('a list: its window and its read-only text named "AT Commands List"', async () => {
        await page.reload();
        await page.click('#btnShow');
        await openWindow(page);
        assert.deepEqual(await Heard('#frmResult'),
            { role: 'dialog', name: 'AT Commands List', description: '', readOnly: false });
        assert.deepEqual(await Heard('#memLog'),
            { role: 'textbox', name: 'AT Commands List', description: '', readOnly: true });
        const reachable = await Reachable();
        assert.ok(!reachable.includes(control('btnShow').text), 'the page is inert');
        await page.click('#btnOK');
        await page.locator('dialog').waitFor({ state: 'detached' });
        assert.ok((await Reachable()).includes(control('btnShow').text), 'the page is back');
    });
});
