// Those who died together in one drowning, fire or collapse (الغرقى
// والهدمى), the order of their deaths unknown: a case of its own on the web
// page, entered in a small table, a row to each death (his name, his living
// heirs by the heir codes, and those who died with him who are his heirs, by
// their relation to him). The C++ session reads it as the calculator reads a
// batch line's "together" and divides each estate as the school holds:
// {"deaths": [{"name": "A", "counts": {"w": 1}}], "relations": {"A": {"B": "s"}}}
// says B, who died with A, is A's son.
'use strict';

const qismaruTogether = (function () {
  const $ = (id) => document.getElementById(id);
  const cell = (tag, text) => qismaruViews.cell(tag, text);
  let page = null; // {pageCase, changed, calculate}
  let kept = null; // the rows as last divided: [{name, heirs, related}]

  function input(className, value, label) {
    const field = document.createElement('input');
    field.type = 'text';
    field.className = className;
    field.value = value;
    field.setAttribute('aria-label', label);
    field.autocomplete = 'off';
    if (className !== 'together-name') field.dir = 'ltr';
    const td = document.createElement('td');
    td.append(field);
    return td;
  }

  function addRow(death) {
    const tr = document.createElement('tr');
    tr.append(
      input('together-name', death.name, 'اسم الميت'),
      input('together-heirs', death.heirs, 'ورثته الأحياء'),
      input('together-related', death.related, 'من مات معه من ورثته')
    );
    $('together-deaths').append(tr);
    return tr;
  }

  function rows() {
    return [...$('together-deaths').children].map((tr) => ({
      name: tr.querySelector('.together-name').value.trim(),
      heirs: tr.querySelector('.together-heirs').value.trim(),
      related: tr.querySelector('.together-related').value.trim(),
    }));
  }

  // "w=1,s=2" as {"w": 1, "s": 2}; a count that is no number goes as
  // written, for the reader to refuse.
  function pairs(text, asNumber) {
    const read = {};
    for (const item of text.split(/[,،]/)) {
      if (item.trim() === '') continue;
      const [key, value = ''] = item.split('=').map((part) => part.trim());
      read[key] = asNumber && /^[0-9]+$/.test(value) ? Number(value) : value;
    }
    return read;
  }

  function together(list) {
    const relations = {};
    for (const death of list) if (death.related) relations[death.name] = pairs(death.related, false);
    // The heirs who dispute who died first each swear: then the Hanbalis too
    // let none of the dead inherit from another.
    const dispute = $('together-dispute').checked;
    return { deaths: list.map((death) => ({ name: death.name, counts: pairs(death.heirs, true) })), relations, dispute };
  }

  function open() {
    $('together-deaths').replaceChildren();
    for (const death of kept || [{ name: '', heirs: '', related: '' }, { name: '', heirs: '', related: '' }]) addRow(death);
    $('together-problem').hidden = true;
    $('together-dialog').showModal();
    $('together-deaths').querySelector('input').focus();
  }

  async function accept(event) {
    event.preventDefault();
    const list = rows().filter((death) => death.name || death.heirs || death.related);
    const set = JSON.parse(page.pageCase.setTogether(JSON.stringify(together(list))));
    if (!set.ok) {
      $('together-problem').textContent = set.message;
      $('together-problem').hidden = false;
      return;
    }
    kept = list;
    $('together-dialog').close();
    page.changed();
    await page.calculate();
  }

  function connect(pageParts) {
    page = pageParts;
    $('mark-together').addEventListener('click', open);
    $('together-form').addEventListener('submit', accept);
    $('together-cancel').addEventListener('click', () => $('together-dialog').close());
    $('together-add').addEventListener('click', () => addRow({ name: '', heirs: '', related: '' }).querySelector('input').focus());
    $('together-remove').addEventListener('click', () => {
      if ($('together-deaths').children.length > 2) $('together-deaths').lastElementChild.remove();
    });
  }

  // The deaths as the entry list names them; a new case forgets them.
  function marks() {
    return kept ? ['ماتوا معًا: ' + kept.map((death) => death.name).join('، ')] : [];
  }

  function forget() {
    kept = null;
    $('together-dispute').checked = false;
  }

  return { connect, marks, forget };
})();
