VLMObject.create("rectangle", {
  name: "<!-- property:name //-->",
  x: "<!-- property:x //-->",
  y: "<!-- property:y //-->",
  width: "<!-- property:width //-->",
  height: "<!-- property:height //-->",
  visibility: "<!-- property:visibility //-->",
  step: "<!-- property:step //-->",
  bgColor: "<!-- property:bgColor //-->",
  borderColor: "<!-- property:borderColor //-->",
  borderWidth: "<!-- property:borderWidth //-->",
  radius: "<!-- property:radius //-->",
  opacity: "<!-- property:opacity //-->",
  label: "<!-- property:label //-->"
}, {
  onclick: function () {
<!-- event:onclick //-->
  },
  ondblclick: function () {
<!-- event:ondblclick //-->
  },
  onmouseover: function () {
<!-- event:onmouseover //-->
  },
  onmouseout: function () {
<!-- event:onmouseout //-->
  }
});
