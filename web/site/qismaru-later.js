// The dialog of a heir who died before the division (المناسخات) on the web
// page: who died, his heirs by their buttons and counts, and which earlier
// heirs they are; his relatives beyond the buttons by the relation builder
// (qismaru-relatives.js), given to this form. The rules are the C++ form's (answer/later_death_form.h),
// as the desktop's dialog shows them; this script shows its state and
// passes the presses on.
'use strict';

const qismaruLaterDeaths = (function () {
  const $ = (id) => document.getElementById(id);
  const cell = (tag, text) => qismaruViews.cell(tag, text);
  let page = null; // {pageCase, tell, typedCount, answered}
  let counting = false;

  function form() {
    return JSON.parse(page.pageCase.laterForm());
  }

  function option(value, text) {
    const element = cell('option', text);
    element.value = value;
    return element;
  }

  function showDeceased(state) {
    const chosen = state.deceased.find((d) => d.ref === state.chosen);
    $('later-deceased').replaceChildren(
      option('-1', 'اختر الوارث الذي مات'),
      ...state.deceased.map((d) => option(String(d.group), d.name))
    );
    $('later-deceased').value = chosen ? String(chosen.group) : '-1';
  }

  // His heirs as entered, each with the earlier heirs they may be.
  function showHeirs(state) {
    const rows = state.heirs.map((heir) => {
      const tr = document.createElement('tr');
      tr.dataset.kind = heir.code;
      const same = document.createElement('select');
      same.className = 'later-same';
      same.append(option('', state.notTheSame), ...heir.same.map((group) => option(group.ref, group.name)));
      same.value = heir.linked;
      same.addEventListener('change', () => page.pageCase.laterLink(heir.code, same.value));
      const choice = document.createElement('td');
      choice.append(same);
      tr.append(cell('td', heir.name), cell('td', String(heir.count)), choice);
      return tr;
    });
    // By path: new persons, not linked to an earlier group.
    for (const relative of state.relatives) {
      const tr = document.createElement('tr');
      tr.dataset.kind = relative.code;
      tr.append(cell('td', relative.name), cell('td', String(relative.count)), cell('td', ''));
      rows.push(tr);
    }
    $('later-heirs').replaceChildren(...rows);
    $('later-heirs-empty').hidden = rows.length > 0;
    // The last of the buttons' heirs is withdrawn here, the last relative
    // by path in the relation builder.
    $('later-cancel-last').disabled = counting || state.heirs.length === 0;
  }

  function show() {
    const state = form();
    if (!state) return;
    $('later-title').textContent = 'وفاة وارث قبل القسمة: الميت ' + state.deathName;
    showDeceased(state);
    showHeirs(state);
  }

  function showCounting(on, name) {
    counting = on;
    $('later-count-row').hidden = !on;
    for (const button of $('later-buttons').children) button.disabled = on;
    $('later-cancel-last').disabled = on || $('later-heirs').children.length === 0;
    $('later-relative').disabled = on;
    if (!on) return;
    $('later-count-caption').textContent = 'حدد العدد: ' + name;
    const input = $('later-count');
    input.value = '1';
    input.focus();
    input.select();
  }

  function press(button) {
    const pressed = JSON.parse(page.pageCase.laterPress(button.dataset.code));
    if (pressed.outcome === 'refused') page.tell(pressed.message);
    else if (pressed.outcome === 'entered') show();
    else if (pressed.outcome === 'askCount') showCounting(true, button.textContent);
  }

  function confirmCount() {
    const input = $('later-count');
    const count = page.typedCount(input);
    if (count === null) return;
    const result = JSON.parse(page.pageCase.laterCount(count));
    if (result.outcome === 'recorded') {
      showCounting(false);
      show();
    } else if (result.outcome === 'refused') {
      page.tell(result.message).then(() => input.select());
    } else {
      input.select();
    }
  }

  function cancelCount() {
    page.pageCase.laterCancelCount();
    showCounting(false);
    show();
  }

  function open() {
    const started = JSON.parse(page.pageCase.laterStart());
    if (!started.ok) {
      page.tell(started.message);
      return;
    }
    const state = form();
    $('later-buttons').replaceChildren(
      ...state.buttons.map((kind) => {
        const button = cell('button', kind.name);
        button.type = 'button';
        button.dataset.code = kind.code;
        button.addEventListener('click', () => press(button));
        return button;
      })
    );
    $('later-problem').hidden = true;
    showCounting(false);
    show();
    $('later-dialog').showModal();
    $('later-deceased').focus();
  }

  // OK: a count being asked is confirmed first; then the death joins the
  // case, or the dialog says why it cannot and stays open.
  function accept(event) {
    event.preventDefault();
    if (counting) {
      confirmCount();
      if (counting) return;
    }
    const added = JSON.parse(page.pageCase.laterAdd());
    if (!added.ok) {
      $('later-problem').textContent = added.message;
      $('later-problem').hidden = false;
      return;
    }
    $('later-dialog').close();
    page.answered();
  }

  function cancel(event) {
    if (event) event.preventDefault();
    if (counting) return cancelCount();
    $('later-dialog').close();
  }

  // The relation builder adds to this form, which refuses in its own words.
  const laterRelatives = {
    form: () => JSON.parse(page.pageCase.laterRelativeForm()),
    add: (count, label) => JSON.parse(page.pageCase.laterAddRelative(count, label)),
    removeLast: () => page.pageCase.laterRemoveLastRelative(),
    changed: () => show(),
    opener: $('later-relative'),
  };

  function connect(pageParts) {
    page = pageParts;
    $('later-relative').addEventListener('click', () => {
      if (!counting) qismaruRelatives.open(laterRelatives);
    });
    $('add-later').addEventListener('click', open);
    $('remove-later').addEventListener('click', () => {
      page.pageCase.removeLastLater();
      page.answered();
    });
    $('later-deceased').addEventListener('change', () => {
      page.pageCase.laterChoose(Number($('later-deceased').value));
      show();
    });
    $('later-form').addEventListener('submit', accept);
    $('later-count-ok').addEventListener('click', confirmCount);
    // Enter in the count confirms the count alone, as the desktop's dialog
    // does: the links to earlier heirs are chosen after it.
    $('later-count').addEventListener('keydown', (event) => {
      if (event.key !== 'Enter') return;
      event.preventDefault();
      confirmCount();
    });
    $('later-cancel-last').addEventListener('click', () => {
      if (!counting) page.pageCase.laterCancelLast();
      show();
    });
    $('later-cancel').addEventListener('click', () => cancel());
    // Escape withdraws a count being asked before it closes the dialog.
    $('later-dialog').addEventListener('cancel', cancel);
  }

  return { connect };
})();
